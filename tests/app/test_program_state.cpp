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

// The program's state and start-up, without a window.
class TestProgramState : public QObject
{
    Q_OBJECT

private:
    struct Fixture : AppSurroundings
    {
        NullMonitorView view;
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
    void connectionStillUpGoesOn();
    void connectionGoneIsRecorded_data();
    void connectionGoneIsRecorded();
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
    // The month keeps its file after midnight at the end of the month.
    f.clock.set(QDateTime(QDate(2009, 4, 1), QTime(0, 0, 30)));
    f.service.connections = {{7, QStringLiteral("Alpha"), {}}};
    f.tick(2);
    QCOMPARE(f.state.EntryName(), QStringLiteral("Alpha"));
    f.service.connections.clear();
    f.tick();
    QVERIFY(QFile::exists(f.dir.filePath("Logs/09_03.sn2")));
    QVERIFY(!QFile::exists(f.dir.filePath("Logs/09_04.sn2")));
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

void TestProgramState::connectionStillUpGoesOn()
{
    JournalFixture f;
    f.service.connections = {{7, QStringLiteral("Alpha"), f.left.counters}};
    f.start();
    f.tick();
    SessionMonitor &monitor = f.state.monitor();
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
    QCOMPARE(qRound64(f.state.MemTable().value(0, QStringLiteral("Time")).toDouble() * 86400),
             qRound64(f.left.startTime * 86400));
    QCOMPARE(f.records(QStringLiteral("09_03.sn2")), QStringList{QStringLiteral("Alpha")});
    f.state.runningJournal().flush();
    QVERIFY(!QFile::exists(f.journal.filePath()));
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

QTEST_GUILESS_MAIN(TestProgramState)
#include "test_program_state.moc"
