// The real program on the simulated modem, in a temporary data folder.
#include "core/DataFolder.h"
#include "core/TextForms.h"
#include "store/MonthStatistics.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

const QString kProgram = QStringLiteral(DIALOMETER_BINARY_DIR "/dialometer");

// Alpha comes up one second after start and ends 2.5 s later; its counters
// reach 10000 / 2000 bytes within its first second and then stand still.
const char *const kScenario = R"({
  "phonebook": ["Alpha", "Beta"],
  "connections": [
    {"entry": "Alpha", "start": 1.0, "end": %END%, "speed": 57600,
     "samples": [{"at": 0, "received": 0, "sent": 0},
                 {"at": 1.0, "received": 10000, "sent": 2000}]}
  ]
})";

// The month files of the data folder (the test may straddle a month's end).
QStringList monthFiles(const QString &folder)
{
    QStringList files;
    const QDir logs(logsDir(folder));
    for (const QString &name : logs.entryList({QStringLiteral("*.sn2")}, QDir::Files))
        files << logs.filePath(name);
    return files;
}

int recordedSessions(const QString &folder)
{
    int rows = 0;
    for (const QString &file : monthFiles(folder)) {
        MonthStatistics stats(file);
        if (stats.open().isEmpty())
            rows += stats.table().rowCount();
    }
    return rows;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        QTemporaryDir home;
        QProcess process;

        void start(const QString &end = QStringLiteral("3.5"), const QStringList &args = {})
        {
            const QString scenario = home.filePath(QStringLiteral("scenario.json"));
            QFile file(scenario);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(kScenario).replace("%END%", end.toLatin1()));
            file.close();
            startWith(scenario, args);
        }
        void startWith(const QString &scenario, const QStringList &args = {})
        {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            env.insert(QStringLiteral("DIALOMETER_HOME"), home.path());
            env.insert(QStringLiteral("DIALOMETER_BACKEND"), QStringLiteral("sim"));
            env.insert(QStringLiteral("DIALOMETER_SIM"), scenario);
            process.setProcessEnvironment(env);
            process.start(kProgram, args);
            QVERIFY2(process.waitForStarted(), qPrintable(process.errorString()));
        }
        void signal(int signo)
        {
            QVERIFY(process.state() == QProcess::Running);
            ::kill(pid_t(process.processId()), signo);
            QVERIFY(process.waitForFinished(10000));
        }
        ~Run()
        {
            if (process.state() != QProcess::NotRunning) {
                process.kill();
                process.waitForFinished();
            }
        }
    };

private slots:
    void initTestCase();
    void finishedConnectionIsRecorded_data();
    void finishedConnectionIsRecorded();
    void connectionStillUpIsNotRecorded();
    void connectionUpAtTheEndIsRecordedAtNextStart_data();
    void connectionUpAtTheEndIsRecordedAtNextStart();
    void secondStartEndsWithoutTouchingFiles();
    void invalidScenarioStopsStartUp();
    void helpAndVersion();
};

void TestEndToEnd::initTestCase()
{
    if (!QFile::exists(kProgram))
        QSKIP("the dialometer program is not built");
}

void TestEndToEnd::finishedConnectionIsRecorded_data()
{
    QTest::addColumn<int>("signo");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void TestEndToEnd::finishedConnectionIsRecorded()
{
    QFETCH(int, signo);
    Run run;
    run.start();
    QTRY_VERIFY_WITH_TIMEOUT(recordedSessions(run.home.path()) == 1, 15000);
    run.signal(signo);
    QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process.exitCode(), 0);

    const QStringList files = monthFiles(run.home.path());
    QCOMPARE(files.size(), 1);
    QCOMPARE(QFileInfo(files[0]).fileName(), statsFileName(QDate::currentDate()));
    MonthStatistics stats(files[0]);
    QCOMPARE(stats.open(), QString());
    QCOMPARE(stats.table().rowCount(), 1);
    const SessionTable &table = stats.table();
    QCOMPARE(table.value(0, QStringLiteral("ConnectName")).toString(), QStringLiteral("Alpha"));
    QCOMPARE(table.value(0, QStringLiteral("TrafficIn")).toLongLong(), 10000);
    QCOMPARE(table.value(0, QStringLiteral("TrafficOut")).toLongLong(), 2000);
    QCOMPARE(table.value(0, QStringLiteral("Speed")).toDouble(), 57.6);
    QCOMPARE(table.value(0, QStringLiteral("Cost")).toDouble(), 0.0);
    // The platform's connection time at the last tick it was up, not the time
    // until the tick that found it gone: below its 2.5 s.
    const double seconds = table.value(0, QStringLiteral("Duration")).toDouble() * 86400;
    QVERIFY2(seconds > 0.5 && seconds <= 2.5, qPrintable(QString::number(seconds)));
    // The configuration is never written by a plain run.
    QVERIFY(!QFile::exists(configPath(run.home.path())));
}

void TestEndToEnd::connectionStillUpIsNotRecorded()
{
    Run run;
    run.start(QStringLiteral("600"));
    QTest::qWait(2500); // Alpha is up by now
    run.signal(SIGTERM);
    QCOMPARE(run.process.exitCode(), 0);
    // The month file is written on the way out, without the open connection.
    QCOMPARE(monthFiles(run.home.path()).size(), 1);
    QCOMPARE(recordedSessions(run.home.path()), 0);
}

void TestEndToEnd::connectionUpAtTheEndIsRecordedAtNextStart_data()
{
    QTest::addColumn<int>("signo");
    QTest::addColumn<int>("runMs");
    QTest::addColumn<double>("maxLostSeconds");
    // Killed after the journal's second write; ended in order, which writes
    // the last tick's figures.
    QTest::newRow("SIGKILL") << int(SIGKILL) << 11500 << 10.0;
    QTest::newRow("SIGTERM") << int(SIGTERM) << 4000 << 2.0;
}

void TestEndToEnd::connectionUpAtTheEndIsRecordedAtNextStart()
{
    QFETCH(int, signo);
    QFETCH(int, runMs);
    QFETCH(double, maxLostSeconds);
    Run run;
    const QDateTime started = QDateTime::currentDateTime();
    run.start(QStringLiteral("600"));
    // The journal is first written on the tick that sees Alpha come up.
    const QString journal = run.home.filePath(QStringLiteral("running-connection.xml"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(journal), 10000);
    const QDateTime seen = QDateTime::currentDateTime();
    QElapsedTimer up;
    up.start();
    QTest::qWait(runMs);
    run.signal(signo);
    const double upSeconds = up.elapsed() / 1000.0;
    QCOMPARE(recordedSessions(run.home.path()), 0);
    QVERIFY(QFile::exists(journal));

    // The simulated modem's connections ended with it: the next start records
    // the journal's connection, and only once, beside its own new Alpha.
    run.start(QStringLiteral("600"));
    QTRY_VERIFY_WITH_TIMEOUT(recordedSessions(run.home.path()) == 1, 15000);
    QTest::qWait(1500);
    run.signal(SIGTERM);
    QCOMPARE(recordedSessions(run.home.path()), 1);

    MonthStatistics stats(monthFiles(run.home.path()).constFirst());
    QCOMPARE(stats.open(), QString());
    const SessionTable &table = stats.table();
    QCOMPARE(table.value(0, QStringLiteral("ConnectName")).toString(), QStringLiteral("Alpha"));
    QCOMPARE(table.value(0, QStringLiteral("TrafficIn")).toLongLong(), 10000);
    const double seconds = table.value(0, QStringLiteral("Duration")).toDouble() * 86400;
    QVERIFY2(seconds <= upSeconds + 1.5 && seconds >= upSeconds - maxLostSeconds,
             qPrintable(QStringLiteral("%1 of %2 s").arg(seconds).arg(upSeconds)));
    const QDateTime time = TextForms::fromDays(table.value(0, QStringLiteral("Time")).toDouble());
    QVERIFY2(started.addSecs(-1) <= time && time <= seen, qPrintable(time.toString(Qt::ISODate)));
}

void TestEndToEnd::secondStartEndsWithoutTouchingFiles()
{
    Run first;
    first.start(QStringLiteral("600"));
    // The first instance holds the guard once its data folder is set up, and
    // has its journal once Alpha is up.
    QTRY_VERIFY_WITH_TIMEOUT(QDir(logsDir(first.home.path())).exists(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(first.home.filePath("running-connection.xml")), 10000);
    const QStringList before =
        QDir(first.home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    QProcess second;
    QProcessEnvironment env = first.process.processEnvironment();
    env.insert(QStringLiteral("DIALOMETER_SIM"), first.home.filePath("missing.json"));
    second.setProcessEnvironment(env);
    second.start(kProgram);
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(second.readAllStandardError().contains("Dialometer already run!!!"));
    QCOMPARE(QDir(first.home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QVERIFY(first.process.state() == QProcess::Running);
    first.signal(SIGTERM);
}

void TestEndToEnd::invalidScenarioStopsStartUp()
{
    Run run;
    const QString scenario = run.home.filePath(QStringLiteral("bad.json"));
    QFile file(scenario);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"phonebook": "Alpha"})");
    file.close();
    run.startWith(scenario);
    QVERIFY(run.process.waitForFinished(10000));
    QCOMPARE(run.process.exitCode(), 1);
    const QByteArray err = run.process.readAllStandardError();
    QVERIFY2(err.contains("bad.json"), err.constData());
    QVERIFY(monthFiles(run.home.path()).isEmpty());
}

void TestEndToEnd::helpAndVersion()
{
    QProcess version;
    version.start(kProgram, {QStringLiteral("--version")});
    QVERIFY(version.waitForFinished(10000));
    QCOMPARE(version.exitCode(), 0);
    QVERIFY(version.readAllStandardOutput().startsWith("Dialometer 1.4"));

    QProcess help;
    help.start(kProgram, {QStringLiteral("--help")});
    QVERIFY(help.waitForFinished(10000));
    QCOMPARE(help.exitCode(), 0);
    const QByteArray text = help.readAllStandardOutput();
    for (const char *word :
         {"--demo", "--version", "DIALOMETER_HOME", "DIALOMETER_BACKEND", "DIALOMETER_SIM"})
        QVERIFY2(text.contains(word), word);
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_end_to_end.moc"
