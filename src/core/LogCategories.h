#pragma once

#include <QLoggingCategory>

// Diagnostics of the subsystems, silent unless switched on, for example
//   QT_LOGGING_RULES="dialometer.*=true" dialometer
// or one of them: QT_LOGGING_RULES="dialometer.networkmanager=true".
Q_DECLARE_LOGGING_CATEGORY(lcNetworkManager)
Q_DECLARE_LOGGING_CATEGORY(lcPppd)
Q_DECLARE_LOGGING_CATEGORY(lcSim)
Q_DECLARE_LOGGING_CATEGORY(lcStore)
Q_DECLARE_LOGGING_CATEGORY(lcMonitor)
Q_DECLARE_LOGGING_CATEGORY(lcPlan)
Q_DECLARE_LOGGING_CATEGORY(lcTranslations)
