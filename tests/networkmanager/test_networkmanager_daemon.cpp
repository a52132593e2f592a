// The NetworkManager back end against the real daemon, run by nm-harness.sh
// in namespaces of its own with two veth pairs to a peer namespace: metered
// profiles on the first, an always-on LAN that is not metered on the second.

#include "HarnessProcess.h"

#include "backends/InterfaceCounters.h"
#include "backends/networkmanager/NetworkManagerService.h"
#include "connection/DialupOperations.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "monitor/RecordingMonitorView.h"
#include "monitor/SessionMonitor.h"
#include "store/ConfigDocument.h"
#include "store/MonthStatistics.h"
#include "store/RunningJournal.h"
#include "store/XmlDocument.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>

namespace {

const QString kOffice = QStringLiteral("Office LAN");
const QString kLab = QStringLiteral("Lab LAN");
const QString kAbsent = QStringLiteral("Absent cable");
const QString kSpare = QStringLiteral("Spare LAN"); // on the first veth, not metered
const QString kHome = QStringLiteral("Home LAN");   // the second veth, always up, not metered

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

// The session monitor over the service, ticked by the test, writing its
// records into a month file of its own.
struct MonitorRig
{
    explicit MonitorRig(ConnectionService &service) : monitor(service, config, log, clock, view)
    {
        config.parse("<MainContent><General/><TariffTypes/><ISP/><Users/><Graph/></MainContent>");
        log.open();
    }
    // Ticks until done() holds, at most timeoutMs; the events of the bus are
    // let in between ticks.
    bool tickUntil(const std::function<bool()> &done, int timeoutMs = 10000)
    {
        return QTest::qWaitFor(
            [&] {
                monitor.Timer1Timer();
                clock.advanceMs(SessionMonitor::intervalMs());
                return done();
            },
            timeoutMs);
    }
    // The records written, as name -> value, in the order the connections ended.
    QList<QHash<QString, QString>> records()
    {
        QList<QHash<QString, QString>> list;
        for (pugi::xml_node line : log.document().root().child("Data").children("Line")) {
            QHash<QString, QString> record;
            for (pugi::xml_attribute a : line.attributes())
                record.insert(QString::fromUtf8(a.name()), QString::fromUtf8(a.value()));
            list.append(record);
        }
        return list;
    }

    QTemporaryDir dir;
    XmlDocument config;
    ManualClock clock;
    MonthStatistics log{dir.filePath(QStringLiteral("26_12.sn2")), clock};
    RecordingMonitorView view;
    SessionMonitor monitor;
};

// The real program in the daemon's namespace, with a data folder of its own
// where the metered line's provider charges a fee of 5 per connection.
struct ProgramRun
{
    // "#" in the configuration stands for the locale's decimal separator.
    explicit ProgramRun(const HarnessProcess &harness,
                        QString configText = QStringLiteral(
                            "<MainContent><General><Calculate Value=\"1\"/>"
                            "</General><TariffTypes/><ISP><Item Name=\"Office LAN\" "
                            "PayConn=\"5\"/></ISP><Users/><Graph/></MainContent>"))
        : harness(harness)
    {
        XmlDocument config;
        config.parse(
            configText.replace(QLatin1Char('#'), QLocale::system().decimalPoint()).toUtf8());
        QDir().mkpath(home.path());
        SaveConfig(configPath(home.path()), config);
    }
    ~ProgramRun() { end(SIGKILL); }
    bool start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("DIALOMETER_HOME"), home.path());
        env.insert(QStringLiteral("DIALOMETER_BACKEND"), QStringLiteral("networkmanager"));
        // The monitor's debug lines tell the exact duration of a connection.
        env.insert(QStringLiteral("QT_LOGGING_RULES"),
                   QStringLiteral("dialometer.monitor.debug=true"));
        process.setProcessEnvironment(env);
        harness.startInside(process, QStringLiteral(DIALOMETER_BINARY_DIR "/dialometer"));
        return process.waitForStarted();
    }
    void end(int signo)
    {
        if (process.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(process.processId()), signo);
        process.waitForFinished(10000);
    }
    QString journal() const { return home.filePath(QStringLiteral("running-connection.xml")); }
    // The journal's figures; false while there is none.
    bool journalFigures(RunningConnection *figures) const
    {
        const SystemClock clock;
        return RunningJournal(journal(), clock).load(figures) == RunningJournal::LoadResult::Loaded;
    }
    // The month files' records, as name -> value.
    QList<QHash<QString, QString>> records() const
    {
        static const QStringList names = {QStringLiteral("ConnectName"),
                                          QStringLiteral("TrafficOut"), QStringLiteral("Cost"),
                                          QStringLiteral("Duration")};
        QList<QHash<QString, QString>> list;
        const QDir logs(logsDir(home.path()));
        for (const QString &name : logs.entryList({QStringLiteral("*.sn2")}, QDir::Files)) {
            MonthStatistics stats(logs.filePath(name));
            if (!stats.open().isEmpty())
                continue;
            for (int row = 0; row < stats.table().rowCount(); ++row) {
                QHash<QString, QString> record;
                for (const QString &column : names)
                    record.insert(column, stats.table().value(row, column).toString());
                list.append(record);
            }
        }
        return list;
    }

    const HarnessProcess &harness;
    QTemporaryDir home;
    QProcess process;
};

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
    void lanIsInvisible();
    void recordsHoldTheirOwnBytes();
    void profileMadeMeteredIsPickedUp();
    void firstOfTwoWatchedEnds();
    void daemonRestart();
    void restartedProgramRecordsOnce_data();
    void restartedProgramRecordsOnce();
    void restartGapIsPriced();
    void toolCountsAsTheProgramDoes();

private:
    QStringList activeIdsOnBus();
    InterfaceCounters::Values kernelCounters();
    bool dialAndWait(const QString &entry, DialAttempt::State *state, QString *reason);
    ConnectionHandle waitForConnection(const QString &entry);
    qint64 wiredSpeedMbps();
    // Starts the program, dials the office line and waits until the program
    // keeps it in its journal.
    bool programWatchesOffice(ProgramRun &program);

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
    // The LAN is up all the time, as on a desktop.
    DialAttempt::State state;
    QString reason;
    QVERIFY(dialAndWait(kHome, &state, &reason));
    QCOMPARE(state, DialAttempt::State::Connected);
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
    m_service->setWatchPolicy({});
    HangUpAll(*m_service);
    QTRY_COMPARE_WITH_TIMEOUT(listConnections(*m_service).count, 0, 5000);
}

QStringList TestNetworkManagerDaemon::activeIdsOnBus()
{
    QDBusConnection bus(m_busName);
    const QString service = QStringLiteral("org.freedesktop.NetworkManager");
    const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
    QDBusMessage list =
        QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/NetworkManager"),
                                       properties, QStringLiteral("Get"));
    list << service << QStringLiteral("ActiveConnections");
    const QDBusMessage paths = bus.call(list);
    if (paths.type() != QDBusMessage::ReplyMessage)
        return {QStringLiteral("error")};
    QList<QDBusObjectPath> actives;
    paths.arguments().at(0).value<QDBusVariant>().variant().value<QDBusArgument>() >> actives;
    QStringList ids;
    for (const QDBusObjectPath &path : actives) {
        QDBusMessage get =
            QDBusMessage::createMethodCall(service, path.path(), properties, QStringLiteral("Get"));
        get << QStringLiteral("org.freedesktop.NetworkManager.Connection.Active")
            << QStringLiteral("Id");
        const QDBusMessage id = bus.call(get);
        if (id.type() == QDBusMessage::ReplyMessage)
            ids << id.arguments().at(0).value<QDBusVariant>().variant().toString();
    }
    ids.sort();
    return ids;
}

InterfaceCounters::Values TestNetworkManagerDaemon::kernelCounters()
{
    InterfaceCounters bare(m_harness.value(QStringLiteral("SYSFS")),
                           m_harness.value(QStringLiteral("VETH")));
    InterfaceCounters::Values values;
    bare.read(&values);
    return values;
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
    // The metered profiles only.
    QCOMPARE(m_service->enumEntries(names, 16, &count), int(ConnectionService::Success));
    QCOMPARE(count, 2);
    QCOMPARE((QSet<QString>{names[0], names[1]}), (QSet<QString>{kOffice, kLab}));

    // Too little room: the first ones, the full count, and the service says so.
    QString one[1];
    QCOMPARE(m_service->enumEntries(one, 1, &count), int(ConnectionService::BufferTooSmall));
    QCOMPARE(count, 2);
    QCOMPARE(one[0], names[0]);

    QStringList list{QStringLiteral("stale")};
    GetPhonebookEntries(*m_service, list);
    QCOMPARE(list, (QStringList{names[0], names[1]}));

    // WatchAll lists every profile.
    m_service->setWatchPolicy({{}, true});
    GetPhonebookEntries(*m_service, list);
    QCOMPARE(list.size(), 5);
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
    QCOMPARE(entries.size(), 2);
    // The daemon took the running connection over; it is a new active
    // connection to it, so it has a new handle and the old one stays dead.
    l = listConnections(*m_service);
    QCOMPARE(l.records[0].szEntryName, kOffice);
    QVERIFY(l.records[0].hrasconn != before);
    QCOMPARE(m_service->connectStatus(before), int(ConnectionService::InvalidHandle));
    // Its figures count from when it was seen again.
    SessionCounters figures;
    QCOMPARE(m_service->connectionStatistics(l.records[0].hrasconn, &figures),
             int(ConnectionService::Success));
    QVERIFY2(m_harness.command(QStringLiteral("ping"), {QStringLiteral("3")}),
             qPrintable(m_harness.lastError()));
    SessionCounters after;
    QCOMPARE(m_service->connectionStatistics(l.records[0].hrasconn, &after),
             int(ConnectionService::Success));
    QVERIFY(after.dwBytesXmited - figures.dwBytesXmited >= 3 * 98);
    QVERIFY(figures.dwBytesXmited < 3 * 98);
}

void TestNetworkManagerDaemon::lanIsInvisible()
{
    // The LAN alone: up, yet no connection, no entry, nothing to hang up.
    QCOMPARE(activeIdsOnBus(), QStringList{kHome});
    QCOMPARE(listConnections(*m_service).count, 0);
    QVERIFY(!IsConnected(*m_service));
    QStringList entries;
    GetPhonebookEntries(*m_service, entries);
    QVERIFY(!entries.contains(kHome));

    DialAttempt::State state;
    QString reason;
    QVERIFY(dialAndWait(kOffice, &state, &reason));
    QVERIFY(waitForConnection(kOffice) != 0);
    HangUpAll(*m_service);
    QCOMPARE(listConnections(*m_service).count, 0);
    QTRY_COMPARE_WITH_TIMEOUT(activeIdsOnBus(), QStringList{kHome}, 5000);
}

void TestNetworkManagerDaemon::recordsHoldTheirOwnBytes()
{
    // Two connections one after the other on the same interface: each record
    // holds the traffic of its own connection, not the interface's since boot.
    MonitorRig rig(*m_service);
    const QList<QPair<QString, int>> connections = {{kOffice, 20}, {kLab, 5}};
    QList<qint64> kernelMoved;
    for (const auto &[entry, pings] : connections) {
        const InterfaceCounters::Values before = kernelCounters();
        DialAttempt::State state;
        QString reason;
        QVERIFY(dialAndWait(entry, &state, &reason));
        QCOMPARE(state, DialAttempt::State::Connected);
        QVERIFY(rig.tickUntil([&] { return rig.monitor.EntryName() == entry; }));
        QVERIFY2(m_harness.command(QStringLiteral("ping"), {QString::number(pings)}),
                 qPrintable(m_harness.lastError()));
        rig.tickUntil([] { return false; }, 600);
        HangUpAll(*m_service);
        QVERIFY(rig.tickUntil([&] { return !rig.monitor.WasConnected(); }));
        kernelMoved << kernelCounters().txBytes - before.txBytes;
    }
    const QList<QHash<QString, QString>> records = rig.records();
    QCOMPARE(records.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(records[i].value(QStringLiteral("ConnectName")), connections[i].first);
        const qint64 sent = records[i].value(QStringLiteral("TrafficOut")).toLongLong();
        // An echo request is 98 bytes on the wire; the connection sent no
        // more than the interface did while it was up.
        QVERIFY2(sent >= connections[i].second * 98 && sent <= kernelMoved[i],
                 qPrintable(QStringLiteral("%1 of %2").arg(sent).arg(kernelMoved[i])));
    }
    QVERIFY(records[1].value(QStringLiteral("TrafficOut")).toLongLong() < 20 * 98);
}

void TestNetworkManagerDaemon::profileMadeMeteredIsPickedUp()
{
    DialAttempt::State state;
    QString reason;
    QVERIFY(dialAndWait(kSpare, &state, &reason));
    QCOMPARE(state, DialAttempt::State::Connected);
    QTRY_VERIFY_WITH_TIMEOUT(activeIdsOnBus().contains(kSpare), 5000);
    QTest::qWait(300);
    QCOMPARE(listConnections(*m_service).count, 0);

    // Marked metered while the program runs: it counts, without a restart.
    QVERIFY2(m_harness.command(QStringLiteral("metered"), {kSpare, QStringLiteral("yes")}),
             qPrintable(m_harness.lastError()));
    const ConnectionHandle handle = waitForConnection(kSpare);
    QStringList entries;
    GetPhonebookEntries(*m_service, entries);
    HangUpAll(*m_service);
    QVERIFY2(m_harness.command(QStringLiteral("metered"), {kSpare, QStringLiteral("no")}),
             qPrintable(m_harness.lastError()));
    QVERIFY(handle != 0);
    QVERIFY(entries.contains(kSpare));
    QTRY_VERIFY_WITH_TIMEOUT((GetPhonebookEntries(*m_service, entries), !entries.contains(kSpare)),
                             5000);
}

void TestNetworkManagerDaemon::firstOfTwoWatchedEnds()
{
    MonitorRig rig(*m_service);
    DialAttempt::State state;
    QString reason;
    QVERIFY(dialAndWait(kOffice, &state, &reason));
    const ConnectionHandle office = waitForConnection(kOffice);
    QVERIFY(office != 0);
    QVERIFY(rig.tickUntil([&] { return rig.monitor.EntryName() == kOffice; }));

    // The LAN becomes a provider's line: it counts from now on, behind the
    // connection that counted first, which the monitor keeps watching.
    m_service->setWatchPolicy({{kHome}, false});
    QCOMPARE(ActiveConnectionCount(*m_service), 2);
    rig.tickUntil([] { return false; }, 600);
    QCOMPARE(rig.monitor.EntryName(), kOffice);
    QCOMPARE(rig.records().size(), 0);

    // The first ends while the LAN stays: a record for it, a new connection.
    QCOMPARE(m_service->hangUp(office), 0);
    QVERIFY(rig.tickUntil([&] { return rig.monitor.EntryName() == kHome; }));
    QVERIFY(rig.monitor.WasConnected());
    QList<QHash<QString, QString>> records = rig.records();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].value(QStringLiteral("ConnectName")), kOffice);
    QCOMPARE(rig.view.balloons.size(), 2);

    // No longer a provider: the LAN's connection ends for the program, and
    // stays up.
    m_service->setWatchPolicy({});
    QVERIFY(rig.tickUntil([&] { return !rig.monitor.WasConnected(); }));
    records = rig.records();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[1].value(QStringLiteral("ConnectName")), kHome);
    QCOMPARE(activeIdsOnBus(), QStringList{kHome});
}

void TestNetworkManagerDaemon::restartedProgramRecordsOnce_data()
{
    QTest::addColumn<int>("signo");
    QTest::addColumn<bool>("lineStaysUp");
    // Killed while the line is up and started again while it still is: the
    // session goes on. Ended in order, the line dropped meanwhile: the journal
    // is recorded at the next start.
    QTest::newRow("killed, line stays up") << int(SIGKILL) << true;
    QTest::newRow("ended, line dropped meanwhile") << int(SIGTERM) << false;
}

void TestNetworkManagerDaemon::restartedProgramRecordsOnce()
{
    QFETCH(int, signo);
    QFETCH(bool, lineStaysUp);
    if (!QFileInfo::exists(QStringLiteral(DIALOMETER_BINARY_DIR "/dialometer")))
        QSKIP("the dialometer program is not built");
    ProgramRun program(m_harness);
    QVERIFY(program.start());
    QTest::qWait(1000);
    const InterfaceCounters::Values before = kernelCounters();
    DialAttempt::State state;
    QString reason;
    QVERIFY(dialAndWait(kOffice, &state, &reason));
    QCOMPARE(state, DialAttempt::State::Connected);
    QElapsedTimer up;
    up.start();
    // The program saw it come up when its journal is there.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(program.journal()), 10000);
    QVERIFY(m_harness.command(QStringLiteral("ping"), {QStringLiteral("10")}));
    // A record holds the figures of the program's last tick: let one pass.
    QTest::qWait(2 * SessionMonitor::intervalMs());
    program.end(signo);
    double upSeconds = up.elapsed() / 1000.0;
    QCOMPARE(program.records().size(), 0);

    int pings = 10;
    if (lineStaysUp) {
        // Traffic while no program watches is the connection's all the same.
        QVERIFY(m_harness.command(QStringLiteral("ping"), {QStringLiteral("5")}));
        const QDateTime restarted = QDateTime::currentDateTime();
        QVERIFY(program.start());
        // Taken up again: the journal is written afresh at once.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(program.journal()).lastModified() >= restarted, 10000);
        QVERIFY(m_harness.command(QStringLiteral("ping"), {QStringLiteral("5")}));
        QTest::qWait(2 * SessionMonitor::intervalMs());
        pings += 10;
        upSeconds = up.elapsed() / 1000.0;
    }
    HangUpAll(*m_service);
    const InterfaceCounters::Values after = kernelCounters();
    if (!lineStaysUp)
        QVERIFY(program.start());
    QTRY_COMPARE_WITH_TIMEOUT(program.records().size(), 1, 15000);
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(program.journal()), 5000);
    program.end(SIGTERM);

    const QList<QHash<QString, QString>> records = program.records();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].value(QStringLiteral("ConnectName")), kOffice);
    QCOMPARE(records[0].value(QStringLiteral("Cost")).toDouble(), 5.0);
    const qint64 sent = records[0].value(QStringLiteral("TrafficOut")).toLongLong();
    QVERIFY2(sent >= pings * 98 && sent <= after.txBytes - before.txBytes,
             qPrintable(QStringLiteral("%1 of %2").arg(sent).arg(after.txBytes - before.txBytes)));
    const double seconds = records[0].value(QStringLiteral("Duration")).toDouble() * 86400;
    QVERIFY2(seconds >= upSeconds - 2 && seconds <= upSeconds + 2,
             qPrintable(QStringLiteral("%1 of %2 s").arg(seconds).arg(upSeconds)));
}

bool TestNetworkManagerDaemon::programWatchesOffice(ProgramRun &program)
{
    if (!program.start())
        return false;
    QTest::qWait(1000);
    DialAttempt::State state;
    QString reason;
    return dialAndWait(kOffice, &state, &reason) && state == DialAttempt::State::Connected &&
           QTest::qWaitFor([&] { return QFileInfo::exists(program.journal()); }, 10000);
}

void TestNetworkManagerDaemon::restartGapIsPriced()
{
    if (!QFileInfo::exists(QStringLiteral(DIALOMETER_BINARY_DIR "/dialometer")))
        QSKIP("the dialometer program is not built");
    // A fee of 1.25 and 0.10 a second.
    ProgramRun program(m_harness,
                       QStringLiteral("<MainContent><General><Calculate Value=\"1\"/></General>"
                                      "<TariffTypes><Item ID=\"1\" Minute=\"6\"/></TariffTypes>"
                                      "<ISP><Item Name=\"Office LAN\" PayConn=\"1#25\" "
                                      "DefCost=\"1\"/></ISP><Users/><Graph/></MainContent>"));
    QVERIFY(programWatchesOffice(program));
    QTest::qWait(3000);
    program.end(SIGKILL);
    // The line stays up while nobody watches it.
    QTest::qWait(5000);
    const QDateTime restarted = QDateTime::currentDateTime();
    QVERIFY(program.start());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(program.journal()).lastModified() >= restarted, 10000);
    QTest::qWait(2000);
    HangUpAll(*m_service);
    QTRY_COMPARE_WITH_TIMEOUT(program.records().size(), 1, 15000);
    program.end(SIGTERM);

    const QHash<QString, QString> record = program.records().at(0);
    const double cost = record.value(QStringLiteral("Cost")).toDouble();
    const double seconds = record.value(QStringLiteral("Duration")).toDouble() * 86400;
    // The record's text has whole seconds; the monitor's log has the milliseconds.
    static const QRegularExpression ended(QStringLiteral("disconnected: .* after (\\d+) ms"));
    const QRegularExpressionMatch match =
        ended.match(QString::fromLocal8Bit(program.process.readAllStandardError()));
    QVERIFY(match.hasMatch());
    const double exactSeconds = match.captured(1).toDouble() / 1000;
    QCOMPARE(qFloor(exactSeconds), qFloor(seconds + 1e-6));
    const double expected = 1.25 + 0.1 * exactSeconds;
    qInfo("recorded cost %.4f, fee and price of its %.3f s %.4f", cost, exactSeconds, expected);
    // Within one tick of 500 ms.
    QVERIFY2(exactSeconds >= 10 && qAbs(cost - expected) <= 0.05 + 1e-9,
             qPrintable(QStringLiteral("%1 for %2 s").arg(cost).arg(exactSeconds)));
}

void TestNetworkManagerDaemon::toolCountsAsTheProgramDoes()
{
    const QString tool = QStringLiteral(DIALOMETER_BINARY_DIR "/dialometer-cli");
    if (!QFileInfo::exists(QStringLiteral(DIALOMETER_BINARY_DIR "/dialometer")) ||
        !QFileInfo::exists(tool))
        QSKIP("the dialometer programs are not built");
    ProgramRun program(m_harness);
    QVERIFY(programWatchesOffice(program));
    QVERIFY(m_harness.command(QStringLiteral("ping"), {QStringLiteral("10")}));
    RunningConnection journal;
    QTRY_VERIFY_WITH_TIMEOUT(
        program.journalFigures(&journal) && journal.counters.dwBytesXmited >= 10 * 98, 15000);
    // The program's zero of the interface's counters, from its token.
    qint64 zero = -1;
    for (const QString &field : journal.token.split(QLatin1Char(' '))) {
        if (field.startsWith(QLatin1String("tx=")))
            zero = field.mid(3).toLongLong();
    }
    QVERIFY2(zero >= 0, qPrintable(journal.token));

    const qint64 before = kernelCounters().txBytes;
    QProcess status;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DIALOMETER_BACKEND"), QStringLiteral("networkmanager"));
    status.setProcessEnvironment(env);
    m_harness.startInside(status, tool,
                          {QStringLiteral("--home"), program.home.path(), QStringLiteral("status"),
                           QStringLiteral("--format"), QStringLiteral("json")});
    QVERIFY(status.waitForFinished(30000));
    const qint64 after = kernelCounters().txBytes;
    program.end(SIGTERM);
    QCOMPARE(status.exitCode(), 0);

    const QByteArray out = status.readAllStandardOutput();
    QJsonObject office;
    for (const QJsonValue &c :
         QJsonDocument::fromJson(out).object()[QLatin1String("connections")].toArray()) {
        if (c.toObject()[QLatin1String("entry")].toString() == kOffice)
            office = c.toObject();
    }
    QCOMPARE(office[QLatin1String("countedFrom")].toString(), QStringLiteral("program"));
    // The program's bytes at the moment of the tool's one reading.
    const qint64 sent = qint64(office[QLatin1String("bytesSent")].toDouble());
    QVERIFY2(
        sent >= before - zero && sent <= after - zero,
        qPrintable(QStringLiteral("%1 of %2..%3").arg(sent).arg(before - zero).arg(after - zero)));
    QVERIFY(office[QLatin1String("connectedMs")].toDouble() >= journal.counters.dwConnectDuration);
}

QTEST_GUILESS_MAIN(TestNetworkManagerDaemon)
#include "test_networkmanager_daemon.moc"
