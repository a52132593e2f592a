#pragma once

#include "backends/sim/TrafficProfile.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// What the simulated modem does: its phonebook, connections that come and go
// on their own, and what dialing an entry brings.
struct SimulationScenario
{
    // A connection that comes up at a given time after start.
    struct ScheduledConnection
    {
        QString entry;
        qint64 startMs = 0;
        qint64 endMs = -1;     // -1: stays up until hung up
        QString interfaceName; // empty: the next free pppN
        qint64 hangUpDelayMs = 0;
        TrafficProfile traffic;
    };

    // What dialing an entry does.
    struct DialOutcome
    {
        qint64 delayMs = 2000;
        QString failure; // empty: connects after the delay; else fails with this reason
        QString interfaceName;
        qint64 hangUpDelayMs = 0;
        TrafficProfile traffic;
    };

    QStringList phonebook;
    QList<ScheduledConnection> connections;
    DialOutcome dialDefault;
    QHash<QString, DialOutcome> dialByEntry;

    const DialOutcome &dialOutcome(const QString &entry) const
    {
        const auto it = dialByEntry.constFind(entry);
        return it != dialByEntry.constEnd() ? *it : dialDefault;
    }

    // Reads a scenario from JSON. On failure returns nothing and sets *error to
    // a message that starts with sourceName and says what is wrong where.
    static std::optional<SimulationScenario> fromJson(const QByteArray &json,
                                                      const QString &sourceName, QString *error);
    // Reads a scenario file; the error names the file.
    static std::optional<SimulationScenario> fromFile(const QString &path, QString *error);
    // The demo: a few entries, nothing up at start, dialing connects after
    // two seconds with lively traffic.
    static SimulationScenario demo();
};
