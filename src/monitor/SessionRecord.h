#pragma once

#include "core/SessionCounters.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// The month file's record of one connection ("Time=...", "Duration=", ...),
// from its start (days), last figures, cost, entry and user, in the texts of
// locale.
QStringList SessionRecord(double startTime, const SessionCounters &counters, double cost,
                          const QString &entryName, const QString &userName, const QLocale &locale);
