#pragma once

#include <QtGlobal>

// The sums over a set of finished connections: the statistics window's
// footer and the command-line tool's totals line. Durations are days.
struct SessionTotals
{
    qint64 count = 0;
    double durationDays = 0.0;
    qint64 trafficIn = 0;
    qint64 trafficOut = 0;
    qint64 trafficSum = 0;
    double cost = 0.0;
};
