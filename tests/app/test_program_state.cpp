#include "AppSurroundings.h"

#include "app/ProgramState.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "monitor/MonitorView.h"
#include "store/MonthStatistics.h"

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

private slots:
    void startWritesMonthFileNameOnly();
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

QTEST_GUILESS_MAIN(TestProgramState)
#include "test_program_state.moc"
