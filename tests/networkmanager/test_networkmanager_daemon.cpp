// The NetworkManager back end against the real daemon, run by nm-harness.sh
// in namespaces of its own with a veth pair to a peer namespace.

#include "HarnessProcess.h"

#include "backends/InterfaceCounters.h"
#include "backends/networkmanager/NetworkManagerService.h"
#include "connection/DialupOperations.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kOffice = QStringLiteral("Office LAN");
const QString kLab = QStringLiteral("Lab LAN");
const QString kAbsent = QStringLiteral("Absent cable");

struct Listed
{
    int result = -1;
    int count = -1;
    ConnectionRecord records[4];
};

Listed listConnections(ConnectionService &service)
{
    Listed l;
    l.result = service.enumConnections(l.records, 4, &l.count);
    return l;
}

} // namespace

class TestNetworkManagerDaemon : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void phonebookListsProfiles();
    void dialConnectsAndCountsTraffic();
    void otherProfileReplacesConnection();
    void dialFailures_data();
    void dialFailures();
    void cancelWithdrawsActivation();
    void hangUpAllEndsConnection();
    void daemonRestart();

private:
    bool dialAndWait(const QString &entry, DialAttempt::State *state, QString *reason);
    ConnectionHandle waitForConnection(const QString &entry);
    qint64 wiredSpeedMbps();

    HarnessProcess m_harness;
    QString m_busName = QStringLiteral("dialometer-nm-test");
    std::unique_ptr<NetworkManagerService> m_service;
};

void TestNetworkManagerDaemon::initTestCase()
{
    const QString why = HarnessProcess::whyNotAvailable();
    if (!why.isEmpty())
        QSKIP(qPrintable(QStringLiteral("NetworkManager cannot run in a namespace here: ") + why));
    QVERIFY2(m_harness.start(QStringLiteral("up")), qPrintable(m_harness.lastError()));
    QDBusConnection bus =
        QDBusConnection::connectToBus(m_harness.value(QStringLiteral("BUS_ADDRESS")), m_busName);
    QVERIFY2(bus.isConnected(), qPrintable(bus.lastError().message()));
    NetworkManagerOptions options;
    options.sysfsRoot = m_harness.value(QStringLiteral("SYSFS"));
    m_service = std::make_unique<NetworkManagerService>(bus, options);
    QVERIFY(m_service->isAvailable());
}

void TestNetworkManagerDaemon::cleanupTestCase()
{
    m_service.reset();
    QDBusConnection::disconnectFromBus(m_busName);
    m_harness.down();
}

void TestNetworkManagerDaemon::init()
{
    // Every case starts with the daemon up and nothing active.
    QTRY_VERIFY_WITH_TIMEOUT(m_service->isAvailable(), 10000);
    HangUpAll(*m_service);
    QTRY_COMPARE_WITH_TIMEOUT(listConnections(*m_service).count, 0, 5000);
}

bool TestNetworkManagerDaemon::dialAndWait(const QString &entry, DialAttempt::State *state,
                                           QString *reason)
{
    std::unique_ptr<DialAttempt> attempt = m_service->dial(entry);
    (void)QTest::qWaitFor([&] { return attempt->isFinished(); }, 15000);
    *state = attempt->state();
    *reason = attempt->message();
    return attempt->isFinished();
}

ConnectionHandle TestNetworkManagerDaemon::waitForConnection(const QString &entry)
{
    Listed l;
    (void)QTest::qWaitFor(
        [&] {
            l = listConnections(*m_service);
            return l.count == 1 && l.records[0].szEntryName == entry;
        },
        10000);
    return l.count == 1 && l.records[0].szEntryName == entry ? l.records[0].hrasconn : 0;
}

// What the daemon itself says of the veth's speed.
qint64 TestNetworkManagerDaemon::wiredSpeedMbps()
{
    QDBusConnection bus(m_busName);
    const QString service = QStringLiteral("org.freedesktop.NetworkManager");
    QDBusMessage byName =
        QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/NetworkManager"),
                                       service, QStringLiteral("GetDeviceByIpIface"));
    byName << m_harness.value(QStringLiteral("VETH"));
    const QDBusMessage device = bus.call(byName);
    if (device.type() != QDBusMessage::ReplyMessage)
        return -1;
    QDBusMessage get = QDBusMessage::createMethodCall(
        service, device.arguments().at(0).value<QDBusObjectPath>().path(),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.freedesktop.NetworkManager.Device.Wired") << QStringLiteral("Speed");
    const QDBusMessage speed = bus.call(get);
    if (speed.type() != QDBusMessage::ReplyMessage)
        return -1;
    return speed.arguments().at(0).value<QDBusVariant>().variant().toUInt();
}

void TestNetworkManagerDaemon::phonebookListsProfiles()
{
    QString names[16];
    int count = -1;
    QCOMPARE(m_service->enumEntries(names, 16, &count), int(ConnectionService::Success));
    QCOMPARE(count, 3);
    QCOMPARE((QSet<QString>{names[0], names[1], names[2]}),
             (QSet<QString>{kOffice, kLab, kAbsent}));

    // Too little room: the first ones, the full count, and the service says so.
    QString two[2];
    QCOMPARE(m_service->enumEntries(two, 2, &count), int(ConnectionService::BufferTooSmall));
    QCOMPARE(count, 3);
    QCOMPARE(two[0], names[0]);
    QCOMPARE(two[1], names[1]);

    QStringList list{QStringLiteral("stale")};
    GetPhonebookEntries(*m_service, list);
    QCOMPARE(list, (QStringList{names[0], names[1], names[2]}));
}

void TestNetworkManagerDaemon::dialConnectsAndCountsTraffic()
{
    DialAttempt::State state;
    QString reason;
    QVERIFY(dialAndWait(kOffice, &state, &reason));
    QCOMPARE(state, DialAttempt::State::Connected);

    const ConnectionHandle handle = waitForConnection(kOffice);
    QVERIFY(handle != 0);
    QCOMPARE(m_service->connectStatus(handle), int(ConnectionService::Success));
    QCOMPARE(m_service->interfaceName(handle), m_harness.value(QStringLiteral("VETH")));
    QVERIFY(IsConnected(*m_service));
    QCOMPARE(ActiveConnectionCount(*m_service), 1);

    SessionCounters before;
    QCOMPARE(m_service->connectionStatistics(handle, &before), int(ConnectionService::Success));
    // The figures are the kernel's own.
    InterfaceCounters bare(m_harness.value(QStringLiteral("SYSFS")),
                           m_harness.value(QStringLiteral("VETH")));
    InterfaceCounters::Values kernel;
    QVERIFY(bare.read(&kernel));
    QVERIFY(kernel.txBytes >= before.dwBytesXmited);
    // The line speed is the device's, in bit/s.
    QCOMPARE(before.dwBps, wiredSpeedMbps() * 1000000);

    const int pings = 20;
    QVERIFY2(m_harness.command(QStringLiteral("ping"), {QString::number(pings)}),
             qPrintable(m_harness.lastError()));
    SessionCounters after;
    QCOMPARE(m_service->connectionStatistics(handle, &after), int(ConnectionService::Success));
    // An echo request or reply is 98 bytes on the wire.
    QVERIFY2(after.dwBytesXmited - before.dwBytesXmited >= pings * 98,
             qPrintable(QString::number(after.dwBytesXmited - before.dwBytesXmited)));
    QVERIFY(after.dwBytesRcved - before.dwBytesRcved >= pings * 98);
    QVERIFY(after.dwFramesXmited - before.dwFramesXmited >= pings);
    QVERIFY(after.dwFramesRcved - before.dwFramesRcved >= pings);
    QVERIFY(after.dwConnectDuration > before.dwConnectDuration);
    QCOMPARE(after.dwCompressionRatioIn, 0u);
    QCOMPARE(after.dwCompressionRatioOut, 0u);

    // The monitor's one-record poll finds it too.
    ConnectionRecord record;
    SessionCounters polled;
    PollConnection(*m_service, record, polled);
    QCOMPARE(record.hrasconn, handle);
    QCOMPARE(record.szEntryName, kOffice);
    QVERIFY(polled.dwBytesXmited >= after.dwBytesXmited);
}

void TestNetworkManagerDaemon::otherProfileReplacesConnection()
{
    DialAttempt::State state;
    QString reason;
    QVERIFY(dialAndWait(kOffice, &state, &reason));
    QCOMPARE(state, DialAttempt::State::Connected);
    const ConnectionHandle office = waitForConnection(kOffice);
    QVERIFY(office != 0);

    // The same device can carry one profile at a time.
    QVERIFY(dialAndWait(kLab, &state, &reason));
    QCOMPARE(state, DialAttempt::State::Connected);
    const ConnectionHandle lab = waitForConnection(kLab);
    QVERIFY(lab != 0);
    QVERIFY(lab != office);
    QTRY_COMPARE_WITH_TIMEOUT(m_service->connectStatus(office),
                              int(ConnectionService::InvalidHandle), 5000);
    SessionCounters untouched;
    untouched.dwBytesRcved = 4711;
    QVERIFY(m_service->connectionStatistics(office, &untouched) != ConnectionService::Success);
    QCOMPARE(untouched.dwBytesRcved, 4711);
}

void TestNetworkManagerDaemon::dialFailures_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("reasonPart");
    QTest::newRow("profile for a missing interface") << kAbsent << QStringLiteral("device");
    QTest::newRow("no such profile") << QStringLiteral("Nowhere") << QStringLiteral("Nowhere");
}

void TestNetworkManagerDaemon::dialFailures()
{
    QFETCH(QString, entry);
    QFETCH(QString, reasonPart);
    DialAttempt::State state;
    QString reason;
    QVERIFY(dialAndWait(entry, &state, &reason));
    QCOMPARE(state, DialAttempt::State::Failed);
    QVERIFY2(reason.contains(reasonPart, Qt::CaseInsensitive), qPrintable(reason));
    QCOMPARE(listConnections(*m_service).count, 0);
}

void TestNetworkManagerDaemon::cancelWithdrawsActivation()
{
    std::unique_ptr<DialAttempt> attempt = m_service->dial(kOffice);
    QVERIFY(!attempt->isFinished());
    QVERIFY(attempt->message().contains(kOffice));
    attempt->cancel();
    QCOMPARE(attempt->state(), DialAttempt::State::Cancelled);
    // Whether or not it came up meanwhile, it is withdrawn.
    QTest::qWait(500);
    QTRY_COMPARE_WITH_TIMEOUT(listConnections(*m_service).count, 0, 5000);
}

void TestNetworkManagerDaemon::hangUpAllEndsConnection()
{
    DialAttempt::State state;
    QString reason;
    QVERIFY(dialAndWait(kOffice, &state, &reason));
    const ConnectionHandle handle = waitForConnection(kOffice);
    QVERIFY(handle != 0);

    // HangUpAll blocks; the service must see the connection go while it waits.
    QElapsedTimer timer;
    timer.start();
    HangUpAll(*m_service);
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(m_service->connectStatus(handle), int(ConnectionService::InvalidHandle));
    QCOMPARE(listConnections(*m_service).count, 0);
    QCOMPARE(m_service->hangUp(handle), int(ConnectionService::InvalidHandle));
}

void TestNetworkManagerDaemon::daemonRestart()
{
    DialAttempt::State state;
    QString reason;
    QVERIFY(dialAndWait(kOffice, &state, &reason));
    const ConnectionHandle before = waitForConnection(kOffice);
    QVERIFY(before != 0);

    QVERIFY2(m_harness.command(QStringLiteral("nm-stop")), qPrintable(m_harness.lastError()));
    QTRY_VERIFY_WITH_TIMEOUT(!m_service->isAvailable(), 5000);
    Listed l = listConnections(*m_service);
    QCOMPARE(l.count, 0);
    QVERIFY(!IsConnected(*m_service));
    QCOMPARE(m_service->connectStatus(before), int(ConnectionService::NotAvailable));
    SessionCounters kept;
    kept.dwBytesXmited = 99;
    QVERIFY(m_service->connectionStatistics(before, &kept) != ConnectionService::Success);
    QCOMPARE(kept.dwBytesXmited, 99);
    QStringList entries{QStringLiteral("stale")};
    GetPhonebookEntries(*m_service, entries);
    QVERIFY(entries.isEmpty());
    std::unique_ptr<DialAttempt> refused = m_service->dial(kOffice);
    QCOMPARE(refused->state(), DialAttempt::State::Failed);

    QVERIFY2(m_harness.command(QStringLiteral("nm-start")), qPrintable(m_harness.lastError()));
    QTRY_VERIFY_WITH_TIMEOUT(m_service->isAvailable(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(ActiveConnectionCount(*m_service), 1, 5000);
    GetPhonebookEntries(*m_service, entries);
    QCOMPARE(entries.size(), 3);
    // The daemon took the running connection over; it is a new active
    // connection to it, so it has a new handle and the old one stays dead.
    l = listConnections(*m_service);
    QCOMPARE(l.records[0].szEntryName, kOffice);
    QVERIFY(l.records[0].hrasconn != before);
    QCOMPARE(m_service->connectStatus(before), int(ConnectionService::InvalidHandle));
    SessionCounters figures;
    QCOMPARE(m_service->connectionStatistics(l.records[0].hrasconn, &figures),
             int(ConnectionService::Success));
    QVERIFY(figures.dwBytesXmited > 0);
}

QTEST_GUILESS_MAIN(TestNetworkManagerDaemon)
#include "test_networkmanager_daemon.moc"
