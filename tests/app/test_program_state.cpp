#include "AppSurroundings.h"

#include "app/ProgramState.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/TextForms.h"
#include "monitor/MonitorView.h"
#include "monitor/RecordingMonitorView.h"
#include "store/MonthStatistics.h"

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

private slots:
    void startWritesMonthFileNameOnly();
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
