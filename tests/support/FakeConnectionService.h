#pragma once

#include "connection/CallerBuffer.h"
#include "connection/ConnectionService.h"

#include <QHash>
#include <QList>

#include <algorithm>

// A connection service driven by the test: connections and phonebook are set
// directly, results can be forced, and hang-ups and waits are recorded.
class FakeConnectionService : public ConnectionService
{
public:
    struct Connection
    {
        ConnectionHandle handle = 0;
        QString entry;
        SessionCounters counters;
        // After hangUp(): how many more status queries report it alive;
        // -1 keeps it alive for ever.
        int statusQueriesAfterHangUp = 0;
        bool hungUp = false;
    };

    QList<Connection> connections;
    QStringList phonebook;
    int enumConnectionsResult = Success; // forced result when not Success
    int enumEntriesResult = Success;
    int statisticsResult = Success;
    QList<ConnectionHandle> hangUpLog;
    int hangUps = 0;
    PhonebookEditing editing; // no editor by default
    int waits = 0;
    int lastWaitMs = 0;

    QString backendName() const override { return QStringLiteral("fake"); }

    int enumConnections(ConnectionRecord *records, int capacity, int *count) override
    {
        *count = 0;
        if (enumConnectionsResult != Success && enumConnectionsResult != BufferTooSmall)
            return enumConnectionsResult;
        return fillCallerBuffer(connections, records, capacity, count,
                                [](const Connection &c, ConnectionRecord &record) {
                                    record = ConnectionRecord{c.handle, c.entry};
                                });
    }

    int connectionStatistics(ConnectionHandle handle, SessionCounters *out) override
    {
        if (statisticsResult != Success)
            return statisticsResult;
        for (const Connection &c : connections) {
            if (c.handle == handle && handle != 0) {
                *out = c.counters;
                return Success;
            }
        }
        return InvalidHandle;
    }

    int enumEntries(QString *names, int capacity, int *count) override
    {
        *count = 0;
        if (enumEntriesResult != Success)
            return enumEntriesResult;
        return fillCallerBuffer(phonebook, names, capacity, count,
                                [](const QString &entry, QString &name) { name = entry; });
    }

    int hangUp(ConnectionHandle handle) override
    {
        hangUpLog.append(handle);
        ++hangUps;
        for (Connection &c : connections) {
            if (c.handle == handle) {
                c.hungUp = true;
                removeGone();
                return Success;
            }
        }
        return InvalidHandle;
    }

    int connectStatus(ConnectionHandle handle) override
    {
        for (Connection &c : connections) {
            if (c.handle != handle)
                continue;
            if (c.hungUp && c.statusQueriesAfterHangUp > 0)
                --c.statusQueriesAfterHangUp;
            const int result = Success;
            removeGone();
            return result;
        }
        return InvalidHandle;
    }

    std::unique_ptr<DialAttempt> dial(const QString &) override { return nullptr; }
    PhonebookEditing phonebookEditing() const override { return editing; }

    void waitForChange(int ms) override
    {
        ++waits;
        lastWaitMs = ms;
        ConnectionService::waitForChange(ms);
    }

private:
    void removeGone()
    {
        connections.erase(std::remove_if(connections.begin(), connections.end(),
                                         [](const Connection &c) {
                                             return c.hungUp && c.statusQueriesAfterHangUp == 0;
                                         }),
                          connections.end());
    }
};
