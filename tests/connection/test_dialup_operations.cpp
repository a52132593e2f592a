#include "connection/CallerBuffer.h"
#include "connection/DialupOperations.h"
#include "connection/WatchPolicy.h"
#include "store/XmlDocument.h"
#include "support/FakeConnectionService.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

FakeConnectionService::Connection connection(ConnectionHandle handle, const QString &name,
                                             int statusQueriesAfterHangUp = 0)
{
    FakeConnectionService::Connection c;
    c.handle = handle;
    c.entry = name;
    c.statusQueriesAfterHangUp = statusQueriesAfterHangUp;
    return c;
}

QStringList numberedNames(int n)
{
    QStringList names;
    for (int i = 1; i <= n; ++i)
        names << QStringLiteral("Entry %1").arg(i);
    return names;
}

} // namespace

class TestDialupOperations : public QObject
{
    Q_OBJECT
private slots:
    void callerBuffer_data();
    void callerBuffer();
    void listAll_data();
    void listAll();
    void phonebook_data();
    void phonebook();
    void count_data();
    void count();
    void hangUpOrderAndWait();
    void hangUpGivesUp();
    void hangUpNothing_data();
    void hangUpNothing();
    void hangUpMoreThanRoom();
    void poll_data();
    void poll();
    void entryNameFromCaption_data();
    void entryNameFromCaption();
    void watchPolicyFromConfig_data();
    void watchPolicyFromConfig();
};

void TestDialupOperations::callerBuffer_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<bool>("withBuffer");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("filled");

    const int fits = ConnectionService::Success;
    const int tooSmall = ConnectionService::BufferTooSmall;
    QTest::newRow("empty list") << 0 << 4 << true << fits << 0;
    QTest::newRow("fewer than room") << 3 << 4 << true << fits << 3;
    QTest::newRow("exactly the room") << 4 << 4 << true << fits << 4;
    QTest::newRow("more than room") << 6 << 4 << true << tooSmall << 4;
    QTest::newRow("no room") << 2 << 0 << true << tooSmall << 0;
    QTest::newRow("negative capacity") << 2 << -3 << true << tooSmall << 0;
    QTest::newRow("no buffer, only the count") << 2 << 4 << false << tooSmall << 0;
}

void TestDialupOperations::callerBuffer()
{
    QFETCH(int, items);
    QFETCH(int, capacity);
    QFETCH(bool, withBuffer);
    QFETCH(int, result);
    QFETCH(int, filled);

    const QStringList list = numberedNames(items);
    QStringList buffer(8, QStringLiteral("untouched"));
    int count = -1;
    QCOMPARE(fillCallerBuffer(list, withBuffer ? buffer.data() : nullptr, capacity, &count,
                              [](const QString &item, QString &slot) { slot = item; }),
             result);
    QCOMPARE(count, items);
    QCOMPARE(buffer.mid(0, filled), list.mid(0, filled));
    QCOMPARE(buffer.mid(filled), QStringList(8 - filled, QStringLiteral("untouched")));
}

void TestDialupOperations::listAll_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("listed");

    QTest::newRow("none") << 0 << 0 << 0;
    QTest::newRow("within the first room") << 3 << 0 << 3;
    QTest::newRow("more than the first room") << 40 << 0 << 40;
    QTest::newRow("service fails") << 3 << int(ConnectionService::NotAvailable) << 0;
}

void TestDialupOperations::listAll()
{
    QFETCH(int, items);
    QFETCH(int, result);
    QFETCH(int, listed);

    FakeConnectionService service;
    service.phonebook = numberedNames(items);
    service.enumEntriesResult = result;
    service.enumConnectionsResult = result;
    for (int i = 1; i <= items; ++i)
        service.connections.append(connection(ConnectionHandle(i), service.phonebook[i - 1]));

    QCOMPARE(ListAllEntries(service), numberedNames(listed));
    const std::vector<ConnectionRecord> records = ListAllConnections(service);
    QCOMPARE(int(records.size()), listed);
    for (int i = 0; i < listed; ++i)
        QCOMPARE(records[size_t(i)].szEntryName, service.phonebook[i]);
}

void TestDialupOperations::phonebook_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty") << QStringList() << 0 << QStringList();
    QTest::newRow("three, in order")
        << QStringList{"Zeta", "Alpha", "Mid"} << 0 << QStringList{"Zeta", "Alpha", "Mid"};
    QTest::newRow("exactly sixteen") << numberedNames(16) << 0 << numberedNames(16);
    QTest::newRow("seventeen lists the first sixteen")
        << numberedNames(17) << 0 << numberedNames(16);
    QTest::newRow("service fails")
        << QStringList{"A", "B"} << int(ConnectionService::NotAvailable) << QStringList();
}

void TestDialupOperations::phonebook()
{
    QFETCH(QStringList, entries);
    QFETCH(int, result);
    QFETCH(QStringList, expected);

    FakeConnectionService service;
    service.phonebook = entries;
    service.enumEntriesResult = result;
    QStringList list{"stale entry"};
    GetPhonebookEntries(service, list);
    QCOMPARE(list, expected);
}

void TestDialupOperations::count_data()
{
    QTest::addColumn<int>("connections");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("expected");

    QTest::newRow("none") << 0 << 0 << 0;
    QTest::newRow("one") << 1 << 0 << 1;
    QTest::newRow("four") << 4 << 0 << 4;
    QTest::newRow("five: the service's count") << 5 << 0 << 5;
    QTest::newRow("service fails") << 2 << int(ConnectionService::NotAvailable) << 0;
}

void TestDialupOperations::count()
{
    QFETCH(int, connections);
    QFETCH(int, result);
    QFETCH(int, expected);

    FakeConnectionService service;
    for (int i = 1; i <= connections; ++i)
        service.connections.append(connection(ConnectionHandle(i), QString::number(i)));
    service.enumConnectionsResult = result;
    QCOMPARE(ActiveConnectionCount(service), expected);
    QCOMPARE(IsConnected(service), expected >= 1);
}

void TestDialupOperations::hangUpOrderAndWait()
{
    FakeConnectionService service;
    service.connections = {connection(11, "A", 3), connection(22, "B", 0), connection(33, "C", 5)};
    HangUpAll(service, 1, 5000);
    QCOMPARE(service.hangUpLog, (QList<ConnectionHandle>{33, 22, 11}));
    QVERIFY(service.connections.isEmpty());
    // It waited, with the short interval, only while a connection was still there.
    QVERIFY(service.waits >= 6);
    QCOMPARE(service.lastWaitMs, 1);
}

void TestDialupOperations::hangUpGivesUp()
{
    FakeConnectionService service;
    service.connections = {connection(1, "Stays", 0), connection(2, "Sticky", -1)};
    QElapsedTimer timer;
    timer.start();
    HangUpAll(service, 2, 60);
    const qint64 elapsed = timer.elapsed();
    // Gave up on the sticky one and still went on to hang up the other.
    QCOMPARE(service.hangUpLog, (QList<ConnectionHandle>{2, 1}));
    QVERIFY2(elapsed >= 60, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < 3000, qPrintable(QString::number(elapsed)));
    QCOMPARE(service.connections.size(), 1);
}

void TestDialupOperations::hangUpNothing_data()
{
    QTest::addColumn<int>("connections");
    QTest::addColumn<int>("result");

    QTest::newRow("no connection") << 0 << 0;
    QTest::newRow("enumeration fails") << 2 << int(ConnectionService::NotAvailable);
}

void TestDialupOperations::hangUpNothing()
{
    QFETCH(int, connections);
    QFETCH(int, result);

    FakeConnectionService service;
    for (int i = 1; i <= connections; ++i)
        service.connections.append(connection(ConnectionHandle(i), QString::number(i)));
    service.enumConnectionsResult = result;
    HangUpAll(service, 1, 1000);
    QVERIFY(service.hangUpLog.isEmpty());
    QCOMPARE(service.waits, 0);
}

void TestDialupOperations::hangUpMoreThanRoom()
{
    FakeConnectionService service;
    for (int i = 1; i <= 18; ++i)
        service.connections.append(connection(ConnectionHandle(i), QString::number(i)));
    HangUpAll(service, 1, 1000);
    // The sixteen it had room for, last-listed first.
    QCOMPARE(service.hangUpLog.size(), 16);
    QCOMPARE(service.hangUpLog.first(), ConnectionHandle(16));
    QCOMPARE(service.hangUpLog.last(), ConnectionHandle(1));
}

void TestDialupOperations::poll_data()
{
    QTest::addColumn<int>("connections");
    QTest::addColumn<int>("statisticsResult");
    QTest::addColumn<ConnectionHandle>("handle");
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("bytesIn");

    // Kept counters carry 777 received bytes; connection i carries 1000 * i.
    QTest::newRow("none: zero record, counters kept")
        << 0 << 0 << ConnectionHandle(0) << QString() << qint64(777);
    QTest::newRow("one") << 1 << 0 << ConnectionHandle(1) << QString("Entry 1") << qint64(1000);
    QTest::newRow("two: the first listed")
        << 2 << 0 << ConnectionHandle(1) << QString("Entry 1") << qint64(1000);
    QTest::newRow("statistics fail: counters kept")
        << 1 << int(ConnectionService::NotAvailable) << ConnectionHandle(1) << QString("Entry 1")
        << qint64(777);
}

void TestDialupOperations::poll()
{
    QFETCH(int, connections);
    QFETCH(int, statisticsResult);
    QFETCH(ConnectionHandle, handle);
    QFETCH(QString, name);
    QFETCH(qint64, bytesIn);

    FakeConnectionService service;
    for (int i = 1; i <= connections; ++i) {
        auto c = connection(ConnectionHandle(i), QStringLiteral("Entry %1").arg(i));
        c.counters.dwBytesRcved = 1000 * i;
        c.counters.dwConnectDuration = 5000;
        service.connections.append(c);
    }
    service.statisticsResult = statisticsResult;

    ConnectionRecord record{99, "left over"};
    SessionCounters counters;
    counters.dwBytesRcved = 777;
    PollConnection(service, record, counters);
    QCOMPARE(record.hrasconn, handle);
    QCOMPARE(record.szEntryName, name);
    QCOMPARE(counters.dwBytesRcved, bytesIn);
}

void TestDialupOperations::entryNameFromCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "Home ISP"
                           << "Home ISP";
    QTest::newRow("leading mark") << "&Home"
                                  << "Home";
    QTest::newRow("mark inside") << "Ho&me"
                                 << "Home";
    QTest::newRow("two marks keep the second") << "A&&B"
                                               << "A&B";
    QTest::newRow("two apart") << "&Rock & Roll"
                               << "Rock & Roll";
    QTest::newRow("empty") << ""
                           << "";
}

void TestDialupOperations::entryNameFromCaption()
{
    QFETCH(QString, caption);
    QFETCH(QString, expected);
    QCOMPARE(EntryNameFromCaption(caption), expected);
}

void TestDialupOperations::watchPolicyFromConfig_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("providers");
    QTest::addColumn<bool>("watchAll");
    QTest::newRow("providers") << QByteArray("<MainContent><General><WatchAll Value=\"0\"/>"
                                             "</General><ISP><Item Name=\"Modem\"/>"
                                             "<Item Name=\"DSL\"/><Item Name=\"\"/></ISP>"
                                             "</MainContent>")
                               << QStringList{"Modem", "DSL"} << false;
    QTest::newRow("WatchAll") << QByteArray("<MainContent><General><WatchAll Value=\"1\"/>"
                                            "</General></MainContent>")
                              << QStringList() << true;
    QTest::newRow("no document") << QByteArray() << QStringList() << false;
}

void TestDialupOperations::watchPolicyFromConfig()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, providers);
    QFETCH(bool, watchAll);
    XmlDocument config;
    if (!xml.isEmpty())
        QVERIFY(config.parse(xml));
    const WatchPolicy policy = WatchPolicy::fromConfig(config);
    QCOMPARE(policy.providerNames, providers);
    QCOMPARE(policy.watchAll, watchAll);
}

QTEST_GUILESS_MAIN(TestDialupOperations)
#include "test_dialup_operations.moc"
