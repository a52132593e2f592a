// The NetworkManager back end's modem and ppp paths, against a stand-in
// service (fake-networkmanager.py) on a private bus, with a sysfs tree and
// pid folders of the test's own.

#include "HarnessProcess.h"

#include "backends/networkmanager/NetworkManagerService.h"
#include "connection/DialupOperations.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <limits>
#include <sys/time.h>

namespace {

const QString kProvider = QStringLiteral("Dial-up Provider");
const QString kBusy = QStringLiteral("Busy Line");
const QString kSlow = QStringLiteral("Slow Provider");
const QString kWifi = QStringLiteral("Home Wi-Fi");
const QString kMobile = QStringLiteral("Mobile Broadband");

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    // Rewritten in place: the back end keeps the file open.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(content) == content.size();
}

bool setModified(const QString &path, qint64 secondsAgo)
{
    timeval times[2];
    gettimeofday(&times[0], nullptr);
    times[0].tv_sec -= secondsAgo;
    times[1] = times[0];
    return ::utimes(QFile::encodeName(path).constData(), times) == 0;
}

} // namespace

class TestNetworkManagerModem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void phonebookInServiceOrder();
    void pppStatistics_data();
    void pppStatistics();
    void countersFollowTheKernel();
    void ownCounters_data();
    void ownCounters();
    void takenUpAfterRestart_data();
    void takenUpAfterRestart();
    void foreignTokenRefused_data();
    void foreignTokenRefused();
    void wifiBitRateFollowsTheDevice();
    void busyLineFails();
    void cancelDeactivatesPendingActivation();
    void serviceLeavesAndReturns();
    void stuckServiceIsReadAgain();
    void hangUpRightAfterStartOnSystemBus();

private:
    bool startFake();
    void stopFake();
    ConnectionHandle dialProvider();
    std::unique_ptr<NetworkManagerService> freshService();
    // Sets the four counters of an interface in the test's sysfs tree.
    bool setCounters(const QString &interface, const QByteArray &value);
    // Dials an entry and waits for the attempt to end; true when it connected.
    bool dialConnected(const QString &entry);
    // Sets the interface's counters, dials and waits until it is listed; 0 on failure.
    ConnectionHandle dialWithCounters(const QString &entry, const QString &interface,
                                      const QByteArray &value);
    QStringList activePathsOnBus();

    HarnessProcess m_harness;
    QString m_busName = QStringLiteral("dialometer-nm-modem-test");
    QString m_busAddress;
    QTemporaryDir m_tree;
    QProcess m_fake;
    std::unique_ptr<NetworkManagerService> m_service;
};

void TestNetworkManagerModem::initTestCase()
{
    QVERIFY2(QFile::exists(QStringLiteral("/usr/bin/python3")), "no /usr/bin/python3");
    QProcess probe;
    probe.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"), QStringLiteral("import dbus, gi.repository.GLib")});
    probe.waitForFinished();
    if (probe.exitCode() != 0)
        QSKIP("python3-dbus and python3-gi are needed for the stand-in NetworkManager");
    QVERIFY2(m_harness.start(QStringLiteral("bus")), qPrintable(m_harness.lastError()));
    m_busAddress = m_harness.value(QStringLiteral("BUS_ADDRESS"));
    // The back end's own system bus connection is the private bus here.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_busAddress.toLocal8Bit());
    QDBusConnection bus = QDBusConnection::connectToBus(m_busAddress, m_busName);
    QVERIFY2(bus.isConnected(), qPrintable(bus.lastError().message()));

    QVERIFY(m_tree.isValid());
    const QString stats = m_tree.filePath(QStringLiteral("sys/class/net/ppp0/statistics"));
    QVERIFY(QDir().mkpath(stats));
    QVERIFY(QDir().mkpath(m_tree.filePath(QStringLiteral("run"))));
    QVERIFY(QDir().mkpath(m_tree.filePath(QStringLiteral("var-run"))));
}

void TestNetworkManagerModem::init()
{
    const QString stats = m_tree.filePath(QStringLiteral("sys/class/net/ppp0/statistics/"));
    QVERIFY(QDir().mkpath(stats));
    QVERIFY(writeFile(stats + QStringLiteral("rx_bytes"), "1000\n"));
    QVERIFY(writeFile(stats + QStringLiteral("tx_bytes"), "200\n"));
    QVERIFY(writeFile(stats + QStringLiteral("rx_packets"), "10\n"));
    QVERIFY(writeFile(stats + QStringLiteral("tx_packets"), "4\n"));
    QFile::remove(m_tree.filePath(QStringLiteral("run/ppp-ppp0.pid")));
    QFile::remove(m_tree.filePath(QStringLiteral("var-run/ppp-ppp0.pid")));

    QVERIFY(startFake());
    m_service = freshService();
    QVERIFY(m_service->isAvailable());
}

bool TestNetworkManagerModem::setCounters(const QString &interface, const QByteArray &value)
{
    const QString stats =
        m_tree.filePath(QStringLiteral("sys/class/net/%1/statistics/").arg(interface));
    if (!QDir().mkpath(stats))
        return false;
    for (const char *file : {"rx_bytes", "tx_bytes", "rx_packets", "tx_packets"}) {
        if (!writeFile(stats + QLatin1String(file), value))
            return false;
    }
    return true;
}

bool TestNetworkManagerModem::dialConnected(const QString &entry)
{
    std::unique_ptr<DialAttempt> attempt = m_service->dial(entry);
    return QTest::qWaitFor([&] { return attempt->isFinished(); }, 5000) &&
           attempt->state() == DialAttempt::State::Connected;
}

ConnectionHandle TestNetworkManagerModem::dialWithCounters(const QString &entry,
                                                           const QString &interface,
                                                           const QByteArray &value)
{
    if (!setCounters(interface, value) || !dialConnected(entry))
        return 0;
    ConnectionRecord record;
    SessionCounters counters;
    (void)QTest::qWaitFor(
        [&] { return PollConnection(*m_service, record, counters), record.hrasconn != 0; }, 5000);
    return record.hrasconn;
}

std::unique_ptr<NetworkManagerService> TestNetworkManagerModem::freshService()
{
    NetworkManagerOptions options;
    options.sysfsRoot = m_tree.filePath(QStringLiteral("sys"));
    options.pidFolders = {m_tree.filePath(QStringLiteral("run")),
                          m_tree.filePath(QStringLiteral("var-run"))};
    return std::make_unique<NetworkManagerService>(QDBusConnection(m_busName), options);
}

void TestNetworkManagerModem::cleanup()
{
    m_service.reset();
    stopFake();
}

void TestNetworkManagerModem::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(m_busName);
    m_harness.down();
}

bool TestNetworkManagerModem::startFake()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_busAddress);
    m_fake.setProcessEnvironment(env);
    m_fake.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_fake.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(DIALOMETER_SOURCE_DIR "/tests/networkmanager/fake-networkmanager.py")});
    if (!m_fake.waitForReadyRead(10000))
        return false;
    return m_fake.readLine().trimmed() == "ready";
}

void TestNetworkManagerModem::stopFake()
{
    if (m_fake.state() == QProcess::NotRunning)
        return;
    m_fake.terminate();
    if (!m_fake.waitForFinished(5000)) {
        m_fake.kill();
        m_fake.waitForFinished();
    }
}

ConnectionHandle TestNetworkManagerModem::dialProvider()
{
    std::unique_ptr<DialAttempt> attempt = m_service->dial(kProvider);
    if (!QTest::qWaitFor([&] { return attempt->isFinished(); }, 5000) ||
        attempt->state() != DialAttempt::State::Connected)
        return 0;
    ConnectionRecord record;
    int count = 0;
    if (!QTest::qWaitFor(
            [&] { return m_service->enumConnections(&record, 1, &count) == 0 && count == 1; },
            5000))
        return 0;
    return record.szEntryName == kProvider ? record.hrasconn : 0;
}

QStringList TestNetworkManagerModem::activePathsOnBus()
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.NetworkManager"),
        QStringLiteral("/org/freedesktop/NetworkManager"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.freedesktop.NetworkManager") << QStringLiteral("ActiveConnections");
    const QDBusMessage reply = QDBusConnection(m_busName).call(get);
    QStringList paths;
    if (reply.type() != QDBusMessage::ReplyMessage)
        return {QStringLiteral("error")};
    QList<QDBusObjectPath> list;
    reply.arguments().at(0).value<QDBusVariant>().variant().value<QDBusArgument>() >> list;
    for (const QDBusObjectPath &p : list)
        paths << p.path();
    return paths;
}

void TestNetworkManagerModem::phonebookInServiceOrder()
{
    // The Wi-Fi is no line that costs money, until a provider bears its name.
    QStringList entries;
    GetPhonebookEntries(*m_service, entries);
    QCOMPARE(entries, (QStringList{kProvider, kBusy, kSlow, kMobile}));
    QCOMPARE(ActiveConnectionCount(*m_service), 0);
    // The provider editor's picker offers every profile.
    QCOMPARE(m_service->allEntryNames(), (QStringList{kProvider, kBusy, kSlow, kWifi, kMobile}));
    m_service->setWatchPolicy({{kWifi}, false});
    GetPhonebookEntries(*m_service, entries);
    QCOMPARE(entries, (QStringList{kProvider, kBusy, kSlow, kWifi, kMobile}));
}

void TestNetworkManagerModem::pppStatistics_data()
{
    QTest::addColumn<QString>("pidFolder");
    QTest::addColumn<qint64>("minMs");
    QTest::addColumn<qint64>("maxMs");
    // pppd's pid file dates the link; without one, the time it was first seen.
    QTest::newRow("pid file in /run") << QStringLiteral("run") << qint64(90000) << qint64(95000);
    QTest::newRow("pid file in /var/run")
        << QStringLiteral("var-run") << qint64(90000) << qint64(95000);
    QTest::newRow("no pid file") << QString() << qint64(0) << qint64(5000);
}

void TestNetworkManagerModem::pppStatistics()
{
    QFETCH(QString, pidFolder);
    QFETCH(qint64, minMs);
    QFETCH(qint64, maxMs);
    if (!pidFolder.isEmpty()) {
        const QString pidFile = m_tree.filePath(pidFolder + QStringLiteral("/ppp-ppp0.pid"));
        QVERIFY(writeFile(pidFile, "4242\nppp0\n"));
        QVERIFY(setModified(pidFile, 90));
    }
    QSignalSpy progress(m_service.get(), &ConnectionService::changed);
    std::unique_ptr<DialAttempt> attempt = m_service->dial(kProvider);
    QCOMPARE(attempt->message(), QStringLiteral("Connecting to Dial-up Provider\u2026"));
    QTRY_VERIFY_WITH_TIMEOUT(attempt->isFinished(), 5000);
    QCOMPARE(attempt->state(), DialAttempt::State::Connected);

    ConnectionRecord record;
    SessionCounters counters;
    QTRY_VERIFY_WITH_TIMEOUT((PollConnection(*m_service, record, counters), record.hrasconn != 0),
                             5000);
    QCOMPARE(record.szEntryName, kProvider);
    QCOMPARE(m_service->interfaceName(record.hrasconn), QStringLiteral("ppp0"));
    QCOMPARE(counters.dwBytesRcved, 1000);
    QCOMPARE(counters.dwBytesXmited, 200);
    QCOMPARE(counters.dwFramesRcved, 10);
    QCOMPARE(counters.dwFramesXmited, 4);
    // No compression figures for this ppp0 (the kernel has none): 0, and a modem reports no speed.
    QCOMPARE(counters.dwCompressionRatioIn, 0u);
    QCOMPARE(counters.dwCompressionRatioOut, 0u);
    QCOMPARE(counters.dwBps, 0);
    QVERIFY2(counters.dwConnectDuration >= minMs && counters.dwConnectDuration <= maxMs,
             qPrintable(QString::number(counters.dwConnectDuration)));
    QVERIFY(progress.count() > 0);
}

void TestNetworkManagerModem::countersFollowTheKernel()
{
    // ppp0 not there yet when the connection is first seen: the statistics
    // fail and the caller keeps its figures.
    const QString stats = m_tree.filePath(QStringLiteral("sys/class/net/ppp0/statistics/"));
    QVERIFY(QDir(m_tree.filePath(QStringLiteral("sys/class/net/ppp0"))).removeRecursively());
    const ConnectionHandle handle = dialProvider();
    QVERIFY(handle != 0);
    SessionCounters counters;
    counters.dwBytesRcved = 31;
    const SessionCounters kept = counters;
    QVERIFY(m_service->connectionStatistics(handle, &counters) != 0);
    QCOMPARE(counters, kept);

    // Once it is there, it is read; past 2^32 the figures are 64-bit.
    QVERIFY(QDir().mkpath(stats));
    for (const char *name : {"rx_bytes", "tx_bytes", "rx_packets", "tx_packets"})
        QVERIFY(writeFile(stats + QLatin1String(name), "7\n"));
    QCOMPARE(m_service->connectionStatistics(handle, &counters), 0);
    QCOMPARE(counters.dwBytesRcved, 7);
    QVERIFY(writeFile(stats + QStringLiteral("rx_bytes"), "5000000000\n"));
    QVERIFY(writeFile(stats + QStringLiteral("tx_packets"), "18446744073709551615\n"));
    QCOMPARE(m_service->connectionStatistics(handle, &counters), 0);
    QCOMPARE(counters.dwBytesRcved, Q_INT64_C(5000000000));
    QCOMPARE(counters.dwFramesXmited, std::numeric_limits<qint64>::max());
    QCOMPARE(counters.dwBytesXmited, 7);

    HangUpAll(*m_service);
    QCOMPARE(m_service->connectStatus(handle), int(ConnectionService::InvalidHandle));
    QCOMPARE(m_service->connectionStatistics(handle, &counters),
             int(ConnectionService::InvalidHandle));
    // Dialled again: a new active connection, a new handle.
    const ConnectionHandle again = dialProvider();
    QVERIFY(again != 0);
    QVERIFY(again != handle);
}

void TestNetworkManagerModem::ownCounters_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("interface");
    QTest::addColumn<bool>("wholeCounts");
    // wwan0 outlives its connections: they count from when they came up or
    // were first seen. ppp0 is made for its connection: all of it counts.
    QTest::newRow("gsm over wwan0") << kMobile << QStringLiteral("wwan0") << false;
    QTest::newRow("gsm over ppp0") << kProvider << QStringLiteral("ppp0") << true;
}

void TestNetworkManagerModem::ownCounters()
{
    QFETCH(QString, entry);
    QFETCH(QString, interface);
    QFETCH(bool, wholeCounts);
    // Traffic of earlier connections on the interface.
    QVERIFY(setCounters(interface, "5000\n"));
    QVERIFY(dialConnected(entry));
    ConnectionRecord record;
    SessionCounters counters;
    QTRY_VERIFY_WITH_TIMEOUT((PollConnection(*m_service, record, counters), record.hrasconn != 0),
                             5000);
    QCOMPARE(m_service->interfaceName(record.hrasconn), interface);
    QCOMPARE(counters.dwBytesRcved, wholeCounts ? 5000 : 0);
    QCOMPARE(counters.dwFramesXmited, wholeCounts ? 5000 : 0);
    QVERIFY(counters.dwConnectDuration < 1000);

    QVERIFY(writeFile(
        m_tree.filePath(QStringLiteral("sys/class/net/%1/statistics/rx_bytes").arg(interface)),
        "5300\n"));
    QCOMPARE(m_service->connectionStatistics(record.hrasconn, &counters), 0);
    QCOMPARE(counters.dwBytesRcved, wholeCounts ? 5300 : 300);

    // Already up when a program starts: its bytes from then on (or all of a
    // ppp link), its time from the profile's activation time stamp.
    QTest::qWait(1100);
    auto later = freshService();
    QTRY_VERIFY_WITH_TIMEOUT((PollConnection(*later, record, counters), record.hrasconn != 0),
                             5000);
    QCOMPARE(record.szEntryName, entry);
    QCOMPARE(counters.dwBytesRcved, wholeCounts ? 5300 : 0);
    QVERIFY2(counters.dwConnectDuration >= 1000 && counters.dwConnectDuration < 10000,
             qPrintable(QString::number(counters.dwConnectDuration)));
}

void TestNetworkManagerModem::takenUpAfterRestart_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<qint64>("earlierMs"); // how much earlier than seen the line came up
    QTest::addColumn<bool>("resumed");
    QTest::addColumn<qint64>("rxBytes");
    // Counters at 5000 when it came up, 5300 when the program died, 5500 now.
    QTest::newRow("wwan0 goes on")
        << kMobile << QStringLiteral("wwan0") << QString() << qint64(0) << true << qint64(500);
    QTest::newRow("ppp0 goes on, up long before")
        << kProvider << QStringLiteral("ppp0") << QString() << qint64(60000) << true
        << qint64(5500);
    // Reset to 100 while no program ran, 150 now: the old zero is gone.
    QTest::newRow("wwan0 counters reset")
        << kMobile << QStringLiteral("wwan0") << QStringLiteral("reset") << qint64(0) << true
        << qint64(50);
    // A new activation of the same profile is another connection.
    QTest::newRow("came up again") << kMobile << QStringLiteral("wwan0") << QStringLiteral("redial")
                                   << qint64(0) << false << qint64(200);
}

void TestNetworkManagerModem::takenUpAfterRestart()
{
    QFETCH(QString, entry);
    QFETCH(QString, interface);
    QFETCH(QString, meanwhile);
    QFETCH(qint64, earlierMs);
    QFETCH(bool, resumed);
    QFETCH(qint64, rxBytes);
    const QString rxFile =
        m_tree.filePath(QStringLiteral("sys/class/net/%1/statistics/rx_bytes").arg(interface));
    const ConnectionHandle first = dialWithCounters(entry, interface, "5000\n");
    QVERIFY(first != 0);
    QVERIFY(writeFile(rxFile, "5300\n"));
    QString token = m_service->resumeToken(first);
    QVERIFY(!token.isEmpty());
    QVERIFY(!token.contains(QLatin1Char('\n')));
    SessionCounters counters;
    QCOMPARE(m_service->connectionStatistics(first, &counters), 0);
    const qint64 firstDuration = counters.dwConnectDuration;
    if (earlierMs) {
        const QRegularExpression since(QStringLiteral("since=(\\d+)"));
        const qint64 ms = since.match(token).captured(1).toLongLong();
        QVERIFY(ms > 0);
        token.replace(since, QStringLiteral("since=%1").arg(ms - earlierMs));
    }

    // The program dies; the line stays up.
    m_service.reset();
    if (meanwhile == QLatin1String("reset"))
        QVERIFY(setCounters(interface, "100\n"));
    m_service = freshService();
    if (meanwhile == QLatin1String("redial")) {
        HangUpAll(*m_service);
        QVERIFY(dialConnected(entry));
    }
    ConnectionRecord record;
    QTRY_VERIFY_WITH_TIMEOUT((PollConnection(*m_service, record, counters), record.hrasconn != 0),
                             5000);
    QVERIFY(writeFile(rxFile, meanwhile == QLatin1String("reset") ? "150\n" : "5500\n"));
    QCOMPARE(m_service->resume(record.hrasconn, token), resumed);
    QCOMPARE(m_service->connectionStatistics(record.hrasconn, &counters), 0);
    QCOMPARE(counters.dwBytesRcved, rxBytes);
    if (resumed)
        QVERIFY2(counters.dwConnectDuration >= firstDuration + earlierMs &&
                     counters.dwConnectDuration < firstDuration + earlierMs + 5000,
                 qPrintable(QString::number(counters.dwConnectDuration)));
}

void TestNetworkManagerModem::foreignTokenRefused_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("replacement");
    QTest::newRow("other profile")
        << QStringLiteral("profile=\\S+") << QStringLiteral("profile=%2Fx%2FSettings%2F9");
    QTest::newRow("newer format") << QStringLiteral("^networkmanager 1")
                                  << QStringLiteral("networkmanager 2");
    QTest::newRow("pppd's") << QStringLiteral("^networkmanager") << QStringLiteral("pppd");
    QTest::newRow("cut short") << QStringLiteral(" profile=.*") << QString();
    QTest::newRow("field twice") << QStringLiteral("$") << QStringLiteral(" rx=0");
    QTest::newRow("garbage") << QStringLiteral(".+") << QStringLiteral("\u00ff= =%zz\t\r");
    QTest::newRow("empty") << QStringLiteral(".+") << QString();
}

void TestNetworkManagerModem::foreignTokenRefused()
{
    QFETCH(QString, pattern);
    QFETCH(QString, replacement);
    const ConnectionHandle handle = dialWithCounters(kMobile, QStringLiteral("wwan0"), "5000\n");
    QVERIFY(handle != 0);
    QString token = m_service->resumeToken(handle);
    token.replace(QRegularExpression(pattern), replacement);
    QVERIFY(setCounters(QStringLiteral("wwan0"), "5200\n"));
    QVERIFY(!m_service->resume(handle, token));
    SessionCounters counters;
    QCOMPARE(m_service->connectionStatistics(handle, &counters), 0);
    QCOMPARE(counters.dwBytesRcved, 200);
    QVERIFY(counters.dwConnectDuration < 5000);
}

void TestNetworkManagerModem::wifiBitRateFollowsTheDevice()
{
    QVERIFY(setCounters(QStringLiteral("wlan0"), "5\n"));
    QVERIFY(dialConnected(kWifi));
    // Up, but not metered: it does not exist for the program, and hanging
    // up leaves it alone.
    QTest::qWait(300);
    QCOMPARE(ActiveConnectionCount(*m_service), 0);
    HangUpAll(*m_service);
    QCOMPARE(activePathsOnBus().size(), 1);
    // Named as a provider (or with WatchAll), it counts at once.
    m_service->setWatchPolicy({{}, true});
    QCOMPARE(ActiveConnectionCount(*m_service), 1);
    m_service->setWatchPolicy({{kWifi}, false});
    ConnectionRecord record;
    SessionCounters counters;
    QTRY_VERIFY_WITH_TIMEOUT((PollConnection(*m_service, record, counters), record.hrasconn != 0),
                             5000);
    QCOMPARE(m_service->interfaceName(record.hrasconn), QStringLiteral("wlan0"));
    QCOMPARE(counters.dwBps, Q_INT64_C(54000000)); // kb/s from the device
    // wlan0's traffic from before it counted is not its.
    QCOMPARE(counters.dwBytesRcved, 0);

    // The rate changes with the signal; the figures follow the device's word.
    QDBusMessage set = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.NetworkManager"),
        QStringLiteral("/org/freedesktop/NetworkManager"),
        QStringLiteral("org.dialometer.FakeControl"), QStringLiteral("SetBitrate"));
    set << 130000u;
    QCOMPARE(QDBusConnection(m_busName).call(set).type(), QDBusMessage::ReplyMessage);
    QTRY_COMPARE_WITH_TIMEOUT(
        (m_service->connectionStatistics(record.hrasconn, &counters), counters.dwBps),
        Q_INT64_C(130000000), 5000);
}

void TestNetworkManagerModem::busyLineFails()
{
    std::unique_ptr<DialAttempt> attempt = m_service->dial(kBusy);
    QSignalSpy finished(attempt.get(), &DialAttempt::finished);
    QTRY_VERIFY_WITH_TIMEOUT(attempt->isFinished(), 5000);
    QCOMPARE(attempt->state(), DialAttempt::State::Failed);
    QCOMPARE(attempt->message(), QStringLiteral("The line is busy."));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(ActiveConnectionCount(*m_service), 0);
}

void TestNetworkManagerModem::cancelDeactivatesPendingActivation()
{
    std::unique_ptr<DialAttempt> attempt = m_service->dial(kSlow);
    // Let the activation's reply arrive; the connection then hangs in "activating".
    QTRY_COMPARE_WITH_TIMEOUT(activePathsOnBus().size(), 1, 5000);
    QVERIFY(!attempt->isFinished());
    // Activating is not connected yet.
    QCOMPARE(ActiveConnectionCount(*m_service), 0);
    attempt->cancel();
    QCOMPARE(attempt->state(), DialAttempt::State::Cancelled);
    QTRY_COMPARE_WITH_TIMEOUT(activePathsOnBus(), QStringList(), 5000);
}

void TestNetworkManagerModem::serviceLeavesAndReturns()
{
    const ConnectionHandle handle = dialProvider();
    QVERIFY(handle != 0);
    std::unique_ptr<DialAttempt> pending = m_service->dial(kSlow);

    stopFake();
    QTRY_VERIFY_WITH_TIMEOUT(!m_service->isAvailable(), 5000);
    ConnectionRecord record;
    int count = -1;
    QCOMPARE(m_service->enumConnections(&record, 1, &count), int(ConnectionService::NotAvailable));
    QCOMPARE(count, 0);
    QCOMPARE(ActiveConnectionCount(*m_service), 0);
    QStringList entries{QStringLiteral("stale")};
    GetPhonebookEntries(*m_service, entries);
    QVERIFY(entries.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(pending->isFinished(), 5000);
    QCOMPARE(pending->state(), DialAttempt::State::Failed);
    QCOMPARE(pending->message(), QStringLiteral("NetworkManager stopped."));
    HangUpAll(*m_service); // returns at once

    QVERIFY(startFake());
    QTRY_VERIFY_WITH_TIMEOUT(m_service->isAvailable(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT((GetPhonebookEntries(*m_service, entries), entries.size()), 4, 5000);
    // The new instance names its first active connection as the old one
    // did; the handle is new all the same.
    const ConnectionHandle after = dialProvider();
    QVERIFY(after != 0);
    QVERIFY(after != handle);
    QCOMPARE(m_service->connectStatus(handle), int(ConnectionService::InvalidHandle));
}

void TestNetworkManagerModem::stuckServiceIsReadAgain()
{
    m_service.reset();
    // The daemon holds its name but answers nothing.
    ::kill(pid_t(m_fake.processId()), SIGSTOP);
    NetworkManagerOptions options;
    options.sysfsRoot = m_tree.filePath(QStringLiteral("sys"));
    options.callTimeoutMs = 300;
    options.retryMs = 200;
    QElapsedTimer started;
    started.start();
    m_service = std::make_unique<NetworkManagerService>(QDBusConnection(m_busName), options);
    // The start waits for the time limits only, and then nothing is known.
    QVERIFY2(started.elapsed() < 3000, qPrintable(QString::number(started.elapsed())));
    QStringList entries{QStringLiteral("stale")};
    GetPhonebookEntries(*m_service, entries);
    QVERIFY(entries.isEmpty());

    ::kill(pid_t(m_fake.processId()), SIGCONT);
    QTRY_COMPARE_WITH_TIMEOUT((GetPhonebookEntries(*m_service, entries), entries.size()), 4, 5000);
    QVERIFY(dialProvider() != 0);
}

void TestNetworkManagerModem::hangUpRightAfterStartOnSystemBus()
{
    QVERIFY(dialProvider() != 0);
    // As the command-line tool does: start, hang up and wait, with no event
    // loop run in between. The wait must still hear the connection go.
    auto fresh = std::make_unique<NetworkManagerService>();
    QCOMPARE(ActiveConnectionCount(*fresh), 1);
    QElapsedTimer timer;
    timer.start();
    HangUpAll(*fresh);
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!IsConnected(*fresh));
}

QTEST_GUILESS_MAIN(TestNetworkManagerModem)
#include "test_networkmanager_modem.moc"
