#include "connection/DialupOperations.h"

#include <QElapsedTimer>

#include <algorithm>
#include <array>

namespace {

// How many of the records the service filled: all it counted, as far as the
// room goes. A failure other than "too small" fills none.
int filledRecords(int result, int count, int capacity)
{
    if (result != ConnectionService::Success && result != ConnectionService::BufferTooSmall)
        return 0;
    return std::clamp(count, 0, capacity);
}

// Asks enumerate for every record, making more room while the service says
// there are more than fit. The list may grow between two calls: a few rounds
// catch up with it.
template <typename Record, typename Enumerate> std::vector<Record> listAll(Enumerate enumerate)
{
    std::vector<Record> records(kPhonebookCapacity);
    for (int round = 0; round < 4; ++round) {
        int count = 0;
        const int result = enumerate(records.data(), int(records.size()), &count);
        if (result == ConnectionService::Success) {
            records.resize(size_t(std::clamp(count, 0, int(records.size()))));
            return records;
        }
        if (result != ConnectionService::BufferTooSmall || count <= int(records.size()))
            break;
        records.resize(size_t(count));
    }
    return {};
}

} // namespace

void GetPhonebookEntries(ConnectionService &service, QStringList &list)
{
    std::array<QString, kPhonebookCapacity> names;
    int count = 0;
    const int result = service.enumEntries(names.data(), kPhonebookCapacity, &count);
    list.clear();
    const int filled = filledRecords(result, count, kPhonebookCapacity);
    for (int i = 0; i < filled; ++i)
        list.append(names[i]);
}

QStringList ListAllEntries(ConnectionService &service)
{
    const std::vector<QString> names =
        listAll<QString>([&](QString *buffer, int capacity, int *count) {
            return service.enumEntries(buffer, capacity, count);
        });
    return QStringList(names.begin(), names.end());
}

std::vector<ConnectionRecord> ListAllConnections(ConnectionService &service)
{
    return listAll<ConnectionRecord>([&](ConnectionRecord *buffer, int capacity, int *count) {
        return service.enumConnections(buffer, capacity, count);
    });
}

int ActiveConnectionCount(ConnectionService &service)
{
    std::array<ConnectionRecord, kCountCapacity> records;
    int count = 0;
    const int result = service.enumConnections(records.data(), kCountCapacity, &count);
    if (result != ConnectionService::Success && result != ConnectionService::BufferTooSmall)
        return 0;
    return std::max(count, 0);
}

bool IsConnected(ConnectionService &service)
{
    return ActiveConnectionCount(service) >= 1;
}

void HangUpAll(ConnectionService &service, int pollMs, int giveUpMs)
{
    std::array<ConnectionRecord, kHangUpCapacity> records;
    int count = 0;
    const int result = service.enumConnections(records.data(), kHangUpCapacity, &count);
    const int filled = filledRecords(result, count, kHangUpCapacity);
    for (int i = filled - 1; i >= 0; --i) {
        const ConnectionHandle handle = records[i].hrasconn;
        service.hangUp(handle);
        // A connection that never reports itself gone must not hold the
        // program for ever: give up on it after a while.
        QElapsedTimer waited;
        waited.start();
        while (service.connectStatus(handle) == ConnectionService::Success &&
               waited.elapsed() < giveUpMs)
            service.waitForChange(pollMs);
    }
}

void PollConnection(ConnectionService &service, ConnectionRecord &record, SessionCounters &counters)
{
    record = ConnectionRecord();
    int count = 0;
    service.enumConnections(&record, 1, &count);
    SessionCounters fresh = counters;
    if (service.connectionStatistics(record.hrasconn, &fresh) == ConnectionService::Success)
        counters = fresh;
}

QString EntryNameFromCaption(const QString &caption)
{
    QString name = caption;
    const qsizetype amp = name.indexOf(QLatin1Char('&'));
    if (amp >= 0)
        name.remove(amp, 1);
    return name;
}
