#pragma once

#include "connection/ConnectionService.h"

#include <QList>
#include <QStringList>

// A connection service whose connections, counters and phonebook the test
// sets directly.
class FakeConnectionService final : public ConnectionService
{
public:
    struct Connection
    {
        ConnectionHandle handle = 0;
        QString entry;
        SessionCounters counters;
    };

    QList<Connection> connections;
    QStringList phonebook;
    int hangUps = 0;
    PhonebookEditing editing; // no editor by default

    QString backendName() const override { return QStringLiteral("fake"); }

    int enumConnections(ConnectionRecord *records, int capacity, int *count) override
    {
        *count = int(connections.size());
        for (int i = 0; i < connections.size() && i < capacity; ++i)
            records[i] = ConnectionRecord{connections[i].handle, connections[i].entry};
        return connections.size() > capacity ? BufferTooSmall : Success;
    }
    int connectionStatistics(ConnectionHandle handle, SessionCounters *out) override
    {
        for (const Connection &c : std::as_const(connections)) {
            if (c.handle == handle && handle != 0) {
                *out = c.counters;
                return Success;
            }
        }
        return InvalidHandle;
    }
    int enumEntries(QString *names, int capacity, int *count) override
    {
        *count = int(phonebook.size());
        for (int i = 0; i < phonebook.size() && i < capacity; ++i)
            names[i] = phonebook[i];
        return phonebook.size() > capacity ? BufferTooSmall : Success;
    }
    int hangUp(ConnectionHandle handle) override
    {
        ++hangUps;
        for (int i = 0; i < connections.size(); ++i) {
            if (connections[i].handle == handle) {
                connections.removeAt(i);
                return Success;
            }
        }
        return InvalidHandle;
    }
    int connectStatus(ConnectionHandle handle) override
    {
        for (const Connection &c : std::as_const(connections))
            if (c.handle == handle)
                return Success;
        return InvalidHandle;
    }
    std::unique_ptr<DialAttempt> dial(const QString &) override { return nullptr; }
    PhonebookEditing phonebookEditing() const override { return editing; }
};
