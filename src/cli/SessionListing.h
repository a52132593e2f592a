#pragma once

#include "cli/TableOutput.h"
#include "store/SessionTotals.h"

#include <QList>
#include <QString>
#include <QStringList>

// The finished connections of one month file as the tool lists them: the
// columns Time, Duration, TrafficIn, TrafficOut, TrafficSum, Cost, Speed,
// ConnectName, UserName, in table order (most recent first). Time and
// Duration are days, the traffic columns qint64, Cost and Speed doubles, the
// names whole texts (not cut to the table's width); an empty column is null.
class SessionListing
{
public:
    enum Column {
        Time,
        Duration,
        TrafficIn,
        TrafficOut,
        TrafficSum,
        Cost,
        Speed,
        ConnectName,
        UserName
    };

    using Totals = SessionTotals;

    static const QStringList &columnNames();

    // Reads a month file; false with *problem set when it is missing, not a
    // data file or not a statistics document. *warning (when given) says how
    // many values were there but could not be read (dates and numbers are
    // stored under the regional settings of whoever wrote them).
    static bool load(const QString &fileName, QList<TableOutput::Row> *rows, QString *problem,
                     QString *warning = nullptr);
    // Sums of the columns; empty values count nothing.
    static Totals totals(const QList<TableOutput::Row> &rows);

    // "2026-12-09T05:00:00" for a days value, or the empty text.
    static QString isoTime(const QVariant &days);
    // Whole seconds of a duration in days (null stays null).
    static QVariant seconds(const QVariant &days);
};
