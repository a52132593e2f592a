#pragma once

#include <QString>

class StatisticModel;

// The grid's rows as CSV, in the columns the command-line tool writes:
// Time (ISO 8601 local time), Duration (whole seconds), TrafficIn,
// TrafficOut, TrafficSum, Cost, Speed (numbers with "." as the decimal
// point), ConnectName, UserName; an empty cell stays empty.
class SessionCsvExport
{
public:
    static QString text(const StatisticModel &model);
    // Writes the file atomically; false with *error set when it cannot.
    static bool write(const StatisticModel &model, const QString &fileName, QString *error);
};
