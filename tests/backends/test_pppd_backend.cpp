#include "backends/pppd/PppdService.h"
#include "connection/DialupOperations.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

// A fake system tree: peers, run folders, sysfs, and pon/poff/pppd scripts
// that behave like the real ones towards the back end.
class FakePppTree
{
public:
    FakePppTree()
    {
        const QString root = dir.path();
        for (const char *sub : {"peers", "run", "bin", "sys/class/net"})
            QDir().mkpath(root + "/" + sub);
        QFile::link(root + "/run", root + "/varrun");
        for (const char *script : {"pppd", "pon", "poff"}) {
            const QString target = root + "/bin/" + script;
            QFile::copy(QStringLiteral(DIALOMETER_SOURCE_DIR "/tests/backends/pppd-fake/") + script,
                        target);
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("FAKE_ROOT", QFile::encodeName(root));
        qunsetenv("FAKE_UNIT");
    }
    ~FakePppTree()
    {
        // Leave no fake pppd behind, and let their traps tidy the tree
        // before it is removed.
        QList<qint64> pids = started;
        pids += fakePppdsInRun();
        for (qint64 pid : pids)
            ::kill(pid_t(pid), SIGTERM);
        for (int i = 0; i < 200 && !fakePppdsInRun().isEmpty(); ++i)
            QThread::msleep(10);
        QThread::msleep(20);
    }

    // The fake pppds that still have a pid file in the tree.
    QList<qint64> fakePppdsInRun() const
    {
        QList<qint64> pids;
        for (const QFileInfo &info : QDir(path("run")).entryInfoList({"ppp*.pid"}, QDir::Files)) {
            const qint64 pid = readFile(info.filePath()).split('\n').value(0).toLongLong();
            if (pid > 0 && readFile(QStringLiteral("/proc/%1/comm").arg(pid)) == "pppd\n")
                pids.append(pid);
        }
        return pids;
    }

    QString path(const QString &relative) const { return dir.path() + "/" + relative; }

    PppdPaths paths() const
    {
        PppdPaths p;
        p.peersDir = path("peers");
        p.runDirs = {path("run"), path("varrun")};
        p.sysfsRoot = path("sys");
        p.ponCommand = path("bin/pon");
        p.poffCommand = path("bin/poff");
        return p;
    }

    static QByteArray readFile(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QString &relative, const QByteArray &data) const
    {
        // In place, as the kernel's attributes change: open descriptors see it.
        QFile f(path(relative));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(data);
    }

    // Starts a fake pppd with the given arguments on unit; waits for its pid file.
    qint64 startPppd(const QStringList &arguments, const QString &unit = "ppp0")
    {
        QProcess process;
        process.setProgram(path("bin/pppd"));
        process.setArguments(arguments);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("FAKE_UNIT", unit);
        process.setProcessEnvironment(env);
        process.setStandardOutputFile(QProcess::nullDevice());
        qint64 pid = 0;
        if (!process.startDetached(&pid))
            return 0;
        started.append(pid);
        const QString pidFile = path("run/" + unit + ".pid");
        for (int i = 0; i < 250 && !QFile::exists(pidFile); ++i)
            QThread::msleep(10);
        QThread::msleep(20);
        return pid;
    }

    QTemporaryDir dir;
    QList<qint64> started;
};

class TestPppdBackend : public QObject
{
    Q_OBJECT
private slots:
    void phonebook();
    void activeConnections_data();
    void activeConnections();
    void stalePidFilesAreIgnored();
    void statisticsFromTheInterface();
    void hangUpEndsPppd();
    void takenUpAfterRestart_data();
    void takenUpAfterRestart();
    void dial_data();
    void dial();
    void cancelStopsTheDial();
    void foregroundPppdOutlivesTheAttempt();
    void missingPon();
};

void TestPppdBackend::phonebook()
{
    FakePppTree tree;
    for (const char *name : {"zeta", "Alpha", "mobile", ".hidden", "old~"})
        tree.writeFile(QStringLiteral("peers/") + name, "/dev/ttyUSB0\n");
    QDir().mkdir(tree.path("peers/subfolder"));
    PppdService service(tree.paths());

    QStringList entries;
    GetPhonebookEntries(service, entries);
    QCOMPARE(entries, (QStringList{"Alpha", "mobile", "zeta"}));

    QVERIFY(!service.phonebookEditing().editableHere);
    QVERIFY(service.phonebookEditing().explanation.contains(tree.path("peers")));
}

void TestPppdBackend::activeConnections_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("entry");

    QTest::newRow("peer from call") << QStringList{"call", "isp"} << "ppp0"
                                    << "isp";
    QTest::newRow("link name") << QStringList{"nodetach", "linkname", "work"} << "ppp3"
                               << "work";
    QTest::newRow("neither: the interface") << QStringList{"/dev/ttyS0", "38400"} << "ppp1"
                                            << "ppp1";
}

void TestPppdBackend::activeConnections()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, unit);
    QFETCH(QString, entry);

    FakePppTree tree;
    PppdService service(tree.paths());
    QVERIFY(!IsConnected(service));
    QVERIFY(tree.startPppd(arguments, unit) > 0);

    // The run folder is seen twice (varrun links to run), the pppd once.
    ConnectionRecord records[4];
    int count = 0;
    QCOMPARE(service.enumConnections(records, 4, &count), int(ConnectionService::Success));
    QCOMPARE(count, 1);
    QCOMPARE(records[0].szEntryName, entry);
    QVERIFY(records[0].hrasconn != 0);
    QCOMPARE(service.interfaceName(records[0].hrasconn), unit);
    QCOMPARE(service.connectStatus(records[0].hrasconn), int(ConnectionService::Success));
}

void TestPppdBackend::stalePidFilesAreIgnored()
{
    FakePppTree tree;
    QDir().mkpath(tree.path("sys/class/net/ppp0/statistics"));
    QDir().mkpath(tree.path("sys/class/net/ppp1/statistics"));
    // A live process that is no pppd, and a pid that no longer exists.
    tree.writeFile("run/ppp0.pid", QByteArray::number(qint64(::getpid())) + "\n");
    tree.writeFile("run/ppp1.pid", "999999999\n");
    tree.writeFile("run/ppp2.pid", "not a number\n");
    PppdService service(tree.paths());
    QCOMPARE(ActiveConnectionCount(service), 0);

    // A pppd whose interface is gone from sysfs is no connection either.
    const qint64 pid = tree.startPppd({"call", "isp"}, "ppp5");
    QVERIFY(pid > 0);
    QCOMPARE(ActiveConnectionCount(service), 1);
    QDir(tree.path("sys/class/net/ppp5")).removeRecursively();
    QFile::remove(tree.path("run/ppp0.pid")); // any change of the folder
    // The calls of one poll share a look; the next poll sees the change.
    QTRY_COMPARE(ActiveConnectionCount(service), 0);
}

void TestPppdBackend::statisticsFromTheInterface()
{
    FakePppTree tree;
    tree.writeFile("peers/isp", "/dev/ttyS0\n115200\ncrtscts\n");
    QVERIFY(tree.startPppd({"call", "isp"}) > 0);
    // The connection came up 90 s ago, when pppd wrote its interface's pid file.
    const QDateTime upSince = QDateTime::currentDateTime().addSecs(-90);
    QFile pidFile(tree.path("run/ppp0.pid"));
    QVERIFY(pidFile.open(QIODevice::ReadWrite));
    QVERIFY(pidFile.setFileTime(upSince, QFileDevice::FileModificationTime));
    pidFile.close();

    PppdService service(tree.paths());
    tree.writeFile("sys/class/net/ppp0/statistics/rx_bytes", "123456789012\n");
    tree.writeFile("sys/class/net/ppp0/statistics/tx_bytes", "2000\n");
    tree.writeFile("sys/class/net/ppp0/statistics/rx_packets", "300\n");
    tree.writeFile("sys/class/net/ppp0/statistics/tx_packets", "40\n");

    ConnectionRecord record;
    SessionCounters counters;
    PollConnection(service, record, counters);
    QCOMPARE(record.szEntryName, QStringLiteral("isp"));
    QCOMPARE(counters.dwBytesRcved, qint64(123456789012));
    QCOMPARE(counters.dwBytesXmited, qint64(2000));
    QCOMPARE(counters.dwFramesRcved, qint64(300));
    QCOMPARE(counters.dwFramesXmited, qint64(40));
    QCOMPARE(counters.dwBps, qint64(115200));
    QVERIFY2(qAbs(counters.dwConnectDuration - 90000) < 5000,
             qPrintable(QString::number(counters.dwConnectDuration)));

    // The files stay open and are read again on the next poll.
    tree.writeFile("sys/class/net/ppp0/statistics/rx_bytes", "5\n");
    PollConnection(service, record, counters);
    QCOMPARE(counters.dwBytesRcved, qint64(5));

    // Unreadable counters keep the previous figures.
    tree.writeFile("sys/class/net/ppp0/statistics/tx_bytes", "garbage");
    PollConnection(service, record, counters);
    QCOMPARE(counters.dwBytesXmited, qint64(2000));
}

void TestPppdBackend::hangUpEndsPppd()
{
    FakePppTree tree;
    QVERIFY(tree.startPppd({"call", "first"}, "ppp0") > 0);
    QThread::msleep(20);
    QVERIFY(tree.startPppd({"call", "second"}, "ppp1") > 0);
    PppdService service(tree.paths());
    QCOMPARE(ActiveConnectionCount(service), 2);

    QElapsedTimer timer;
    timer.start();
    HangUpAll(service);
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(ActiveConnectionCount(service), 0);
    QVERIFY(!QFile::exists(tree.path("run/ppp0.pid")));
    QVERIFY(!QFile::exists(tree.path("run/ppp1.pid")));
}

void TestPppdBackend::takenUpAfterRestart_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<bool>("resumed");
    QTest::newRow("same pppd") << QString() << true;
    // With persist, pppd redials and writes its pid file anew: another link.
    QTest::newRow("pppd redialled") << QStringLiteral("redial") << false;
    QTest::newRow("another pppd") << QStringLiteral("restart") << false;
    QTest::newRow("garbage token") << QStringLiteral("garbage") << false;
}

void TestPppdBackend::takenUpAfterRestart()
{
    QFETCH(QString, meanwhile);
    QFETCH(bool, resumed);
    FakePppTree tree;
    const auto setUpSince = [&](int secondsAgo) {
        QFile pidFile(tree.path("run/ppp0.pid"));
        return pidFile.open(QIODevice::ReadWrite) &&
               pidFile.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo),
                                   QFileDevice::FileModificationTime);
    };
    const qint64 pid = tree.startPppd({"call", "isp"});
    QVERIFY(pid > 0);
    QVERIFY(setUpSince(90));
    QString token;
    {
        PppdService first(tree.paths());
        ConnectionRecord record;
        SessionCounters counters;
        PollConnection(first, record, counters);
        token = first.resumeToken(record.hrasconn);
        QVERIFY(!token.isEmpty());
    }

    if (meanwhile == QLatin1String("redial")) {
        QVERIFY(setUpSince(30));
    } else if (meanwhile == QLatin1String("restart")) {
        ::kill(pid_t(pid), SIGTERM);
        QTRY_VERIFY(!QFile::exists(tree.path("run/ppp0.pid")));
        QVERIFY(tree.startPppd({"call", "isp"}) > 0);
        QVERIFY(setUpSince(90));
    } else if (meanwhile == QLatin1String("garbage")) {
        token = QStringLiteral("pppd 1 pid=x pid=%1 ==").arg(pid);
    }
    PppdService second(tree.paths());
    ConnectionRecord record;
    SessionCounters counters;
    PollConnection(second, record, counters);
    QVERIFY(record.hrasconn != 0);
    QCOMPARE(second.resume(record.hrasconn, token), resumed);
    QVERIFY(!second.resume(record.hrasconn + 1, token));
}

void TestPppdBackend::dial_data()
{
    QTest::addColumn<QString>("peer");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("reason");

    QTest::newRow("connects") << "isp" << int(DialAttempt::State::Connected) << "";
    QTest::newRow("pppd fails")
        << "busy" << int(DialAttempt::State::Failed)
        << "Could not connect: the connect script failed (no answer, busy or no carrier) "
           "(pppd exit status 8).";
    QTest::newRow("not a peer") << "../../etc/passwd" << int(DialAttempt::State::Failed)
                                << "There is no peer \"../../etc/passwd\" in ";
}

void TestPppdBackend::dial()
{
    QFETCH(QString, peer);
    QFETCH(int, state);
    QFETCH(QString, reason);

    FakePppTree tree;
    tree.writeFile("peers/isp", "/dev/ttyS0\n");
    tree.writeFile("peers/busy", "/dev/ttyS0\n");
    PppdService service(tree.paths());

    auto attempt = service.dial(peer);
    QTRY_VERIFY_WITH_TIMEOUT(attempt->isFinished(), 10000);
    QCOMPARE(int(attempt->state()), state);
    QVERIFY2(reason.isEmpty() ? attempt->message().isEmpty()
                              : attempt->message().startsWith(reason),
             qPrintable(attempt->message()));
    if (state == int(DialAttempt::State::Connected)) {
        QCOMPARE(FakePppTree::readFile(tree.path("pon.log")), QByteArray("isp updetach\n"));
        QTRY_VERIFY(IsConnected(service));
        // Dialing a peer that is up adds nothing.
        auto again = service.dial(peer);
        QCOMPARE(again->state(), DialAttempt::State::Connected);
        HangUpAll(service);
        QVERIFY(!IsConnected(service));
    }
}

void TestPppdBackend::cancelStopsTheDial()
{
    FakePppTree tree;
    tree.writeFile("peers/slow", "/dev/ttyS0\n");
    PppdService service(tree.paths());
    auto attempt = service.dial("slow");
    QCOMPARE(attempt->message(), QStringLiteral("Connecting to slow…"));
    QTRY_VERIFY(FakePppTree::readFile(tree.path("pon.log")).startsWith("slow"));
    QElapsedTimer timer;
    timer.start();
    attempt->cancel();
    QCOMPARE(attempt->state(), DialAttempt::State::Cancelled);
    QVERIFY(timer.elapsed() < 3000);
}

void TestPppdBackend::foregroundPppdOutlivesTheAttempt()
{
    FakePppTree tree;
    tree.writeFile("peers/fg", "/dev/ttyS0\nnodetach\n");
    PppdService service(tree.paths());
    auto attempt = service.dial("fg");
    QTRY_VERIFY_WITH_TIMEOUT(attempt->isFinished(), 10000);
    QCOMPARE(attempt->state(), DialAttempt::State::Connected);
    // The dialog goes, the process that carries the link stays.
    attempt.reset();
    const QList<QProcess *> processes = service.findChildren<QProcess *>();
    QCOMPARE(processes.size(), 1);
    QCOMPARE(processes.first()->state(), QProcess::Running);
    QVERIFY(IsConnected(service));
    HangUpAll(service);
    QVERIFY(!IsConnected(service));
}

void TestPppdBackend::missingPon()
{
    FakePppTree tree;
    tree.writeFile("peers/isp", "/dev/ttyS0\n");
    PppdPaths paths = tree.paths();
    paths.ponCommand = tree.path("bin/no-such-pon");
    PppdService service(paths);
    auto attempt = service.dial("isp");
    QTRY_VERIFY(attempt->isFinished());
    QCOMPARE(attempt->state(), DialAttempt::State::Failed);
    QVERIFY2(attempt->message().contains("could not be run"), qPrintable(attempt->message()));
}

QTEST_GUILESS_MAIN(TestPppdBackend)
#include "test_pppd_backend.moc"
