#include "core/LogCategories.h"

// Nothing below critical is shown by default: a tray program's output goes
// to the session's journal, which these messages would only fill.
Q_LOGGING_CATEGORY(lcNetworkManager, "dialometer.networkmanager", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcPppd, "dialometer.pppd", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcSim, "dialometer.sim", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcStore, "dialometer.store", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcMonitor, "dialometer.monitor", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcPlan, "dialometer.plan", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcTranslations, "dialometer.translations", QtCriticalMsg)
