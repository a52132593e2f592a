#include "AppSurroundings.h"

#include "app/ProgramState.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/TextForms.h"
#include "monitor/MonitorView.h"
#include "monitor/RecordingMonitorView.h"
#include "monitor/SessionMonitor.h"
#include "store/ConfigDocument.h"
#include "store/MonthStatistics.h"
#include "store/RunningJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// The finished connections a month file holds.
int rowsIn(const QString &fileName)
{
    MonthStatistics month(fileName);
    month.open();
    return month.table().rowCount();
}

// The balloons that told of a failed save.
QStringList saveFailures(const RecordingMonitorView &view)
{
    QStringList texts;
    for (const RecordingMonitorView::Balloon &balloon : view.balloons) {
        if (balloon.text.contains(QLatin1String("could not save")))
            texts << balloon.text;
    }
    return texts;
}

QByteArray contentOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A small tmpfs at a folder, mounted in a mount namespace of this process's
// own, so nothing outside the test sees it. It can be filled up and made
// read-only. error says why it could not be mounted (no privilege, say).
class SmallFileSystem
{
public:
    explicit SmallFileSystem(const QString &folder) : m_folder(QFile::encodeName(folder))
    {
        static const int unshared =
            ::unshare(CLONE_NEWNS) == 0 &&
                    ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
                ? 0
                : errno;
        if (unshared != 0)
            error = QStringLiteral("no private mount namespace: ") + qt_error_string(unshared);
        else if (!QDir().mkpath(folder) ||
                 ::mount("dmtest", m_folder.constData(), "tmpfs", 0, "size=64k,mode=0700") != 0)
            error = QStringLiteral("cannot mount a tmpfs: ") + qt_error_string(errno);
        else
            m_mounted = true;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }

    // "full": a filler file takes every free block; "read-only": remounted so.
    void breakIt(const QByteArray &how)
    {
        if (how == "read-only") {
            QCOMPARE(
                ::mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr),
                0);
            return;
        }
        QFile file(filler());
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (file.write(block) == block.size() && file.flush())
            ;
    }
    void mend()
    {
        QCOMPARE(::mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT, nullptr), 0);
        QFile::remove(filler());
    }

    QString error;

private:
    QString filler() const { return QFile::decodeName(m_folder) + QStringLiteral("/filler"); }

    const QByteArray m_folder;
    bool m_mounted = false;
};

} // namespace

// The program's state and start-up, without a window.
class TestProgramState : public QObject
{
    Q_OBJECT

private:
    struct Fixture : AppSurroundings
    {
        RecordingMonitorView view;
        ProgramState state{service, prompter, clock, dir.path()};

        void start()
        {
            QCOMPARE(state.start(view), QString());
            QVERIFY(state.Timer1()->isActive());
            state.Timer1()->stop(); // the test ticks by hand
        }
        void tick(int count = 1)
        {
            for (int i = 0; i < count; ++i) {
                state.Timer1Timer();
                clock.advanceMs(500);
            }
        }
        // A connection that is up for two ticks and ends at the third.
        void connection(qint64 durationMs)
        {
            service.connections = {{7, QStringLiteral("Alpha"), {}}};
            service.connections[0].counters.dwConnectDuration = durationMs;
            tick(2);
            service.connections.clear();
            tick();
        }
        QString logFile(const QString &name) const { return dir.filePath("Logs/" + name); }
    };

    // Connection n's token is "fake n"; resume() takes it back while n is up.
    struct ResumableService : FakeConnectionService
    {
        QString resumeToken(ConnectionHandle handle) const override
        {
            for (const Connection &c : connections) {
                if (c.handle == handle)
                    return QStringLiteral("fake %1").arg(handle);
            }
            return QString();
        }
        bool resume(ConnectionHandle handle, const QString &token) override
        {
            return !token.isEmpty() && token == resumeToken(handle);
        }
    };

    // A run in user mode, pricing Alpha with a fee of 2, and what an
    // earlier run's journal left of connection 7.
    struct JournalFixture
    {
        QTemporaryDir dir;
        ManualClock clock{QDateTime(QDate(2009, 3, 5), QTime(10, 0))};
        ResumableService service;
        ScriptedPrompter prompter;
        RecordingMonitorView view;
        ProgramState state{service, prompter, clock, dir.path()};
        RunningJournal journal{RunningJournal::pathIn(dir.path()), clock};
        RunningConnection left;
        int logIns = 0;

        JournalFixture()
        {
            XmlDocument config;
            config.parse("<MainContent><General><Calculate Value=\"1\"/><UserMode Value=\"1\"/>"
                         "</General><TariffTypes><Item ID=\"1\" Name=\"Day\" Minute=\"0.6\"/>"
                         "</TariffTypes><ISP><Item Name=\"Alpha\" DefCost=\"1\" PayConn=\"2\"/>"
                         "</ISP><Users/><Graph/></MainContent>");
            SaveConfig(configPath(dir.path()), config);
            left.token = QStringLiteral("fake 7");
            left.entryName = QStringLiteral("Alpha");
            left.providerName = left.entryName;
            left.startTime = TextForms::toDays(clock.now().addSecs(-3600));
            left.cost = 10;
            left.userName = QStringLiteral("ann");
            left.counters = {2000, 50000, 20, 500, 0, 0, 57600, 3599000};
        }
        void start()
        {
            QVERIFY(journal.write(left));
            state.start(view);
            state.Timer1()->stop();
            state.monitor().setAuthorizationHook([this](XmlDocument &) { ++logIns; });
        }
        void tick(int count = 1)
        {
            for (int i = 0; i < count; ++i) {
                state.Timer1Timer();
                clock.advanceMs(500);
            }
        }
        // The journal as it is on disk once the writer is done.
        RunningJournal::LoadResult onDisk(RunningConnection *written)
        {
            state.runningJournal().flush();
            return journal.load(written);
        }
        QStringList records(const QString &monthFile) const
        {
            MonthStatistics stats(QDir(logsDir(dir.path())).filePath(monthFile), clock);
            stats.open();
            QStringList names;
            for (int row = 0; row < stats.table().rowCount(); ++row)
                names << stats.table().value(row, QStringLiteral("ConnectName")).toString();
            return names;
        }
    };

private slots:
    void startWritesMonthFileNameOnly();
    void journalFollowsTheConnection();
    void connectionStillUpGoesOn_data();
    void connectionStillUpGoesOn();
    void gapSinceTheJournalIsPriced_data();
    void gapSinceTheJournalIsPriced();
    void connectionGoneIsRecorded_data();
    void connectionGoneIsRecorded();
    void monthTurns();
    void failedSaveIsToldOnceAndRetried_data();
    void failedSaveIsToldOnceAndRetried();
};

void TestProgramState::startWritesMonthFileNameOnly()
{
    Fixture f;
    f.start();
    QCOMPARE(f.state.StatsFileName(), QStringLiteral("09_03.sn2"));
    QVERIFY(QFileInfo(f.dir.filePath("Logs")).isDir());
    // The configuration is read, never written at start; saving writes it.
    QVERIFY(!QFile::exists(configPath(f.dir.path())));
    QCOMPARE(f.state.ConfigPath(), configPath(f.dir.path()));
    QVERIFY(f.state.saveConfig());
    QVERIFY(QFile::exists(configPath(f.dir.path())));
    // After midnight at the end of the month a connection goes to the new
    // month's file.
    f.clock.set(QDateTime(QDate(2009, 4, 1), QTime(0, 0, 30)));
    f.service.connections = {{7, QStringLiteral("Alpha"), {}}};
    f.tick(2);
    QCOMPARE(f.state.EntryName(), QStringLiteral("Alpha"));
    f.service.connections.clear();
    f.tick();
    QVERIFY(!QFile::exists(f.dir.filePath("Logs/09_03.sn2")));
    QVERIFY(QFile::exists(f.dir.filePath("Logs/09_04.sn2")));
    QCOMPARE(f.state.StatsFileName(), QStringLiteral("09_04.sn2"));
    QCOMPARE(f.state.MemTable().rowCount(), 1);
}

void TestProgramState::journalFollowsTheConnection()
{
    JournalFixture f;
    f.state.start(f.view);
    f.state.Timer1()->stop();
    f.service.connections = {{7, QStringLiteral("Alpha"), {}}};
    // However the program ends, no more than ten seconds are unwritten.
    for (int i = 0; i < 100; ++i) {
        f.service.connections[0].counters.dwConnectDuration = i * 500;
        f.tick();
        RunningConnection written;
        QCOMPARE(f.onDisk(&written), RunningJournal::LoadResult::Loaded);
        QVERIFY2(i * 500 - written.counters.dwConnectDuration <= 10000,
                 qPrintable(QString::number(i)));
        QCOMPARE(written.token, QStringLiteral("fake 7"));
    }
    f.service.connections[0].counters.dwBytesRcved = 123;
    f.tick();
    f.state.finish(); // an orderly end writes the last tick's figures
    RunningConnection written;
    QCOMPARE(f.onDisk(&written), RunningJournal::LoadResult::Loaded);
    QCOMPARE(written.counters.dwBytesRcved, 123);
    QCOMPARE(written.cost, f.state.monitor().SessionCost());
}

void TestProgramState::connectionStillUpGoesOn_data()
{
    QTest::addColumn<bool>("listedSecond");
    QTest::newRow("alone") << false;
    QTest::newRow("another connection listed first") << true;
}

void TestProgramState::connectionStillUpGoesOn()
{
    QFETCH(bool, listedSecond);
    JournalFixture f;
    f.service.connections = {{7, QStringLiteral("Alpha"), f.left.counters}};
    if (listedSecond) // its figures must not become the resumed connection's
        f.service.connections.prepend(
            {8, QStringLiteral("Beta"), {1 << 30, 1 << 30, 0, 0, 0, 0, 0, 1000}});
    f.start();
    f.tick();
    SessionMonitor &monitor = f.state.monitor();
    QCOMPARE(monitor.counters().dwBytesRcved, f.left.counters.dwBytesRcved);
    QVERIFY(monitor.WasConnected());
    QCOMPARE(monitor.StartTime(), f.left.startTime);
    QCOMPARE(monitor.CurrentUserName(), QStringLiteral("ann"));
    // No fee, balloon or log-in again; the cost goes on from the journal's.
    QVERIFY2(monitor.SessionCost() >= 10 && monitor.SessionCost() < 11,
             qPrintable(QString::number(monitor.SessionCost())));
    QVERIFY(f.view.balloons.isEmpty());
    QCOMPARE(f.logIns, 0);
    QVERIFY(f.state.MemTable().rowCount() == 0);

    f.service.connections.clear();
    f.tick();
    QCOMPARE(f.state.MemTable().rowCount(), 1);
    QCOMPARE(f.state.MemTable().value(0, QStringLiteral("TrafficIn")).toLongLong(),
             f.left.counters.dwBytesRcved);
    QCOMPARE(qRound64(f.state.MemTable().value(0, QStringLiteral("Time")).toDouble() * 86400),
             qRound64(f.left.startTime * 86400));
    QCOMPARE(f.records(QStringLiteral("09_03.sn2")), QStringList{QStringLiteral("Alpha")});
    f.state.runningJournal().flush();
    QVERIFY(!QFile::exists(f.journal.filePath()));
}

void TestProgramState::gapSinceTheJournalIsPriced_data()
{
    QTest::addColumn<bool>("writtenKnown");
    QTest::addColumn<int>("writtenAgo"); // seconds of the clock since the journal's figures
    QTest::addColumn<int>("gapSeconds"); // the connection's duration since them
    QTest::addColumn<qint64>("bytesInSince");
    QTest::addColumn<double>("cost");
    // Resumed at 10:03: 0.6 a minute until 10:00, then 6 a minute and 0.5 a MB in.
    const double twoAndThree = 10 + 2 * 0.6 + 3 * 6;
    QTest::newRow("the tariff changes in the gap")
        << true << 300 << 300 << qint64(0) << twoAndThree;
    // Three fifths of 10 MB passed under the traffic price.
    QTest::newRow("traffic in the gap")
        << true << 300 << 300 << qint64(10 << 20) << twoAndThree + 3.0;
    QTest::newRow("journal of an earlier version") << false << 0 << 300 << qint64(0) << twoAndThree;
    // Longer than the connection could have been priced for: the journal's cost stands.
    QTest::newRow("clock set back") << true << -3600 << 300 << qint64(0) << 10.0;
    QTest::newRow("duration jumped") << true << 60 << 300 << qint64(0) << 10.0;
    QTest::newRow("counters reset") << true << 300 << 300 << qint64(-1000) << 10.0;
}

void TestProgramState::gapSinceTheJournalIsPriced()
{
    QFETCH(bool, writtenKnown);
    QFETCH(int, writtenAgo);
    QFETCH(int, gapSeconds);
    QFETCH(qint64, bytesInSince);
    QFETCH(double, cost);
    JournalFixture f;
    XmlDocument config;
    config.parse("<MainContent><General><Calculate Value=\"1\"/></General><TariffTypes>"
                 "<Item ID=\"1\" Minute=\"0.6\"/><Item ID=\"2\" Minute=\"6\" Input=\"0.5\"/>"
                 "</TariffTypes><ISP><Item Name=\"Alpha\" DefCost=\"1\" PayConn=\"2\"><Thursday>"
                 "<Item Time1=\"10:00\" Time2=\"12:00\" TariffType=\"2\"/></Thursday></Item>"
                 "</ISP><Users/><Graph/></MainContent>");
    SaveConfig(configPath(f.dir.path()), config);
    f.clock.set(QDateTime(QDate(2009, 3, 5), QTime(10, 3)));
    if (writtenKnown)
        f.left.writtenAt = f.clock.now().addSecs(-writtenAgo);
    SessionCounters now = f.left.counters;
    now.dwConnectDuration += gapSeconds * 1000;
    now.dwBytesRcved += bytesInSince;
    f.service.connections = {{7, QStringLiteral("Alpha"), now}};
    f.start();
    f.tick();
    QVERIFY(f.state.monitor().WasConnected());
    QVERIFY2(qAbs(f.state.monitor().SessionCost() - cost) < 1e-9,
             qPrintable(QString::number(f.state.monitor().SessionCost(), 'g', 17)));

    // The record and the month's totals hold it.
    f.service.connections.clear();
    f.tick();
    QCOMPARE(f.state.MemTable().rowCount(), 1);
    QVERIFY(qAbs(f.state.MemTable().value(0, QStringLiteral("Cost")).toDouble() - cost) < 1e-9);
    QVERIFY(qAbs(f.state.MonthCost() - cost) < 1e-9);
}

void TestProgramState::connectionGoneIsRecorded_data()
{
    QTest::addColumn<int>("daysBefore");
    QTest::addColumn<bool>("otherUp");
    QTest::newRow("this month, nothing up") << 1 << false;
    QTest::newRow("this month, another connection up") << 1 << true;
    QTest::newRow("last month") << 10 << false;
}

void TestProgramState::connectionGoneIsRecorded()
{
    QFETCH(int, daysBefore);
    QFETCH(bool, otherUp);
    JournalFixture f;
    f.left.startTime -= daysBefore;
    const QString monthFile = statsFileName(TextForms::fromDays(f.left.startTime).date());
    if (otherUp)
        f.service.connections = {{8, QStringLiteral("Alpha"), {}}};
    f.start();
    f.tick(SessionMonitor::resumeTicks() - 1);
    // Until the back end has had time to list what is up, nothing is decided.
    QVERIFY(f.state.monitor().hasLeftJournal());
    QVERIFY(!f.state.monitor().WasConnected());
    f.tick();
    QVERIFY(!f.state.monitor().hasLeftJournal());

    QCOMPARE(f.records(monthFile), QStringList{QStringLiteral("Alpha")});
    const bool thisMonth = monthFile == f.state.StatsFileName();
    QCOMPARE(f.state.MemTable().rowCount(), thisMonth ? 1 : 0);
    QCOMPARE(f.state.MonthCost(), thisMonth ? 10.0 : 0.0);
    const SessionTable &table = f.state.MemTable();
    if (thisMonth) {
        QCOMPARE(table.value(0, QStringLiteral("UserName")).toString(), QStringLiteral("ann"));
        QCOMPARE(table.value(0, QStringLiteral("TrafficIn")).toLongLong(), 50000);
        QCOMPARE(qRound(table.value(0, QStringLiteral("Duration")).toDouble() * 86400), 3599);
    }
    // Another connection up is a new one: its own connect steps, fee and journal.
    QCOMPARE(f.state.monitor().WasConnected(), otherUp);
    QCOMPARE(f.view.balloons.size(), otherUp ? 1 : 0);
    RunningConnection written;
    QCOMPARE(f.onDisk(&written),
             otherUp ? RunningJournal::LoadResult::Loaded : RunningJournal::LoadResult::Missing);
    if (otherUp)
        QCOMPARE(written.token, QStringLiteral("fake 8"));
}

void TestProgramState::monthTurns()
{
    Fixture f;
    f.clock.set(QDateTime(QDate(2009, 11, 30), QTime(22, 0)));
    f.start();
    f.connection(3600000);
    QCOMPARE(f.state.MonthTime(), 1.0 / 24);

    // A connection over midnight stays with November, the month it began in.
    f.clock.set(QDateTime(QDate(2009, 11, 30), QTime(23, 59, 59)));
    f.service.connections = {{8, QStringLiteral("Alpha"), {}}};
    f.service.connections[0].counters.dwConnectDuration = 60000;
    f.tick(4);
    QCOMPARE(f.clock.now().date(), QDate(2009, 12, 1));
    QCOMPARE(f.state.StatsFileName(), QStringLiteral("09_11.sn2"));
    f.service.connections.clear();
    f.tick();
    QCOMPARE(rowsIn(f.logFile("09_11.sn2")), 2);

    // Then the month turns, on the window too, before December's first
    // connection creates its file.
    QCOMPARE(f.state.StatsFileName(), QStringLiteral("09_12.sn2"));
    QCOMPARE(f.state.MemTable().rowCount(), 0);
    QCOMPARE(f.state.MonthTime(), 0.0);
    QCOMPARE(f.view.text(MonitorView::Field::MonthTime), TextForms::durationText(0));
    QVERIFY(!QFile::exists(f.logFile("09_12.sn2")));
    const QByteArray november = contentOf(f.logFile("09_11.sn2"));

    f.clock.set(QDateTime(QDate(2009, 12, 1), QTime(9, 0)));
    f.connection(7200000);
    QCOMPARE(rowsIn(f.logFile("09_12.sn2")), 1);
    QCOMPARE(f.state.MemTable().rowCount(), 1);
    QCOMPARE(f.state.MonthTime(), 2.0 / 24);
    QCOMPARE(f.state.statistics().filePath(), f.logFile("09_12.sn2"));
    QCOMPARE(contentOf(f.logFile("09_11.sn2")), november);
}

void TestProgramState::failedSaveIsToldOnceAndRetried_data()
{
    QTest::addColumn<QByteArray>("how");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full") << QByteArray("full") << qt_error_string(ENOSPC);
    QTest::newRow("read-only") << QByteArray("read-only") << qt_error_string(EROFS);
}

void TestProgramState::failedSaveIsToldOnceAndRetried()
{
    QFETCH(QByteArray, how);
    QFETCH(QString, reason);
    Fixture f;
    SmallFileSystem logs(f.dir.filePath("Logs"));
    if (!logs.error.isEmpty())
        QSKIP(qPrintable(logs.error));
    f.start();
    const QString file = f.logFile("09_03.sn2");
    f.connection(60000);
    const QByteArray saved = contentOf(file);
    QCOMPARE(rowsIn(file), 1);

    logs.breakIt(how);
    f.connection(60000);
    f.connection(60000);
    QCOMPARE(saveFailures(f.view).size(), 1);
    const QString told = saveFailures(f.view).constFirst();
    QVERIFY2(told.contains(file) && told.contains(reason), qPrintable(told));
    QCOMPARE(contentOf(file), saved);
    QCOMPARE(f.state.MemTable().rowCount(), 3);

    // The next connection writes them all; a later failure is told again.
    logs.mend();
    f.connection(60000);
    QCOMPARE(rowsIn(file), 4);
    logs.breakIt(how);
    f.connection(60000);
    QCOMPARE(saveFailures(f.view).size(), 2);
    // The month turns meanwhile: March stays in memory until it is written.
    f.clock.set(QDateTime(QDate(2009, 4, 1), QTime(8, 0)));
    f.tick();
    QCOMPARE(f.state.StatsFileName(), QStringLiteral("09_04.sn2"));
    logs.mend();
    f.state.finish();
    QCOMPARE(rowsIn(file), 5);
}

QTEST_GUILESS_MAIN(TestProgramState)
#include "test_program_state.moc"
