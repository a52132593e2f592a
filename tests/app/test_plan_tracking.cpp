#include "AppSurroundings.h"

#include "app/ProgramState.h"
#include "app/TMain.h"
#include "app/TrayIcon.h"
#include "backends/sim/SimulatedModemService.h"
#include "connection/DialupOperations.h"
#include "core/DataFolder.h"
#include "core/TextForms.h"
#include "monitor/RecordingMonitorView.h"
#include "plans/PlanTracker.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"
#include "store/StatisticsLog.h"

#include <QDir>
#include <QTest>
#include <QTimer>

namespace {

constexpr qint64 kMB = 1048576;

// A configuration whose provider Alpha has the plan attributes given.
void writeConfig(const QString &folder, const QList<std::pair<const char *, QString>> &plan)
{
    XmlDocument config;
    NewConfig(config);
    pugi::xml_node item = config.root().child("ISP").append_child("Item");
    setAttributeText(item, "Name", QStringLiteral("Alpha"));
    for (const auto &[name, value] : plan)
        setAttributeText(item, name, value);
    QVERIFY(SaveDocument(configPath(folder), config));
}

// A month file with one finished session of Alpha.
void writeSession(const QString &folder, const QDateTime &time, qint64 bytes, double cost)
{
    QDir().mkpath(logsDir(folder));
    XmlDocument document;
    NewStatistics(document);
    pugi::xml_node line = document.root().child("Data").append_child("Line");
    setAttributeText(line, "Time", TextForms::dateTimeText(TextForms::toDays(time)));
    setAttributeText(line, "Duration", TextForms::dateTimeText(0.01));
    setAttributeText(line, "TrafficIn", QString::number(bytes));
    setAttributeText(line, "TrafficOut", QStringLiteral("0"));
    setAttributeText(line, "Cost", TextForms::numberText(cost));
    setAttributeText(line, "ConnectName", QStringLiteral("Alpha"));
    QVERIFY(
        SaveDocument(logsDir(folder) + QLatin1Char('/') + statsFileName(time.date()), document));
}

} // namespace

// The running program following the providers' plans.
class TestPlanTracking : public QObject
{
    Q_OBJECT

private:
    struct Fixture : AppSurroundings
    {
        RecordingMonitorView view;
        std::unique_ptr<ProgramState> state;

        void start()
        {
            state = std::make_unique<ProgramState>(service, prompter, clock, dir.path());
            state->start(view);
            state->Timer1()->stop(); // the test ticks by hand
        }
        void tick(int count = 1)
        {
            for (int i = 0; i < count; ++i) {
                state->Timer1Timer();
                clock.advanceMs(500);
            }
        }
        void connect(qint64 bytes)
        {
            SessionCounters counters;
            counters.dwBytesRcved = bytes;
            service.connections = {{7, QStringLiteral("Alpha"), counters}};
        }
        QStringList balloonTexts() const
        {
            QStringList texts;
            for (const RecordingMonitorView::Balloon &balloon : view.balloons) {
                if (!balloon.text.startsWith(QLatin1String("Connection:")))
                    texts.append(balloon.text);
            }
            return texts;
        }
    };

private slots:
    void alertsOncePerPeriodAcrossRestarts();
    void capReachedWhileConnected_data();
    void capReachedWhileConnected();
    void tooltipLine_data();
    void tooltipLine();
    void settingsTakeEffect();
    void dialOverCapAsksFirst_data();
    void dialOverCapAsksFirst();
};

void TestPlanTracking::alertsOncePerPeriodAcrossRestarts()
{
    Fixture f;
    writeConfig(f.dir.path(),
                {{"TrafficCap", QStringLiteral("10")}, {"AlertAt", QStringLiteral("50")}});
    const QString alertAt = QStringLiteral("Alpha has used 50% of the plan's traffic cap.");
    const QString capAt = QStringLiteral("The plan's traffic cap for Alpha is reached.");
    f.start();
    f.connect(6 * kMB);
    f.tick(4);
    QCOMPARE(f.balloonTexts(), QStringList{alertAt});
    f.service.connections.clear();
    f.tick();
    QCOMPARE(f.balloonTexts(), QStringList{alertAt});

    // A restart remembers it; a second connection passes the cap.
    f.view.balloons.clear();
    f.start();
    f.connect(5 * kMB);
    f.tick(2);
    QCOMPARE(f.balloonTexts(), QStringList{capAt});
    f.service.connections.clear();
    f.tick();

    // Reached but never remembered (a crash before the file was written):
    // announced once at the next start, then no more.
    QVERIFY(QFile::remove(PlanTracker::alertsPath(f.dir.path())));
    f.view.balloons.clear();
    f.start();
    f.tick(); // once the tray icon is up
    QCOMPARE(f.balloonTexts(), QStringList{capAt});
    f.view.balloons.clear();
    f.start();
    f.tick();
    QCOMPARE(f.balloonTexts(), QStringList());

    // The next period starts afresh, while running.
    f.clock.set(QDateTime(QDate(2009, 4, 1), QTime(0, 0, 1)));
    f.connect(6 * kMB);
    f.tick(2);
    QCOMPARE(f.balloonTexts(), QStringList{alertAt});
}

void TestPlanTracking::capReachedWhileConnected_data()
{
    QTest::addColumn<QString>("hangUpAtCap");
    QTest::addColumn<qint64>("recordedBytes"); // before the connection
    QTest::addColumn<int>("hangUps");
    QTest::addColumn<QString>("message");

    const QString reached = QStringLiteral("The plan's traffic cap for Alpha is reached.");
    QTest::newRow("hang up") << QStringLiteral("1") << qint64(0) << 1
                             << QStringLiteral("The plan's traffic cap for Alpha is reached: the "
                                               "connection was hung up.");
    QTest::newRow("only told") << QString() << qint64(0) << 0 << reached;
    // Dialled anyway over the cap: that connection stays.
    QTest::newRow("over at connect") << QStringLiteral("1") << 11 * kMB << 0 << QString();
}

void TestPlanTracking::capReachedWhileConnected()
{
    QFETCH(QString, hangUpAtCap);
    QFETCH(qint64, recordedBytes);
    QFETCH(int, hangUps);
    QFETCH(QString, message);

    Fixture f;
    writeConfig(f.dir.path(), {{"TrafficCap", QStringLiteral("10")},
                               {"AlertAt", QStringLiteral("100")},
                               {"HangUpAtCap", hangUpAtCap}});
    if (recordedBytes > 0)
        writeSession(f.dir.path(), QDateTime(QDate(2009, 3, 2), QTime(9, 0)), recordedBytes, 0);
    f.start();
    f.tick();
    f.view.balloons.clear();
    f.connect(4 * kMB);
    f.tick(2);
    QCOMPARE(f.service.hangUps, 0);
    f.service.connections[0].counters.dwBytesRcved = 10 * kMB;
    f.tick(3);
    QCOMPARE(f.service.hangUps, hangUps);
    QCOMPARE(f.balloonTexts(), message.isEmpty() ? QStringList() : QStringList{message});
}

void TestPlanTracking::tooltipLine_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("trafficCap");
    QTest::addColumn<QString>("costCap");
    QTest::addColumn<qint64>("runningBytes");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("lines");

    // 8 March 18:00 is a quarter of March: the period end is four times the use.
    const QDateTime quarter(QDate(2009, 3, 8), QTime(18, 0));
    const qint64 gb12 = qint64(1.2 * 1024 * kMB) + kMB; // 24.02%, 1.2 GB
    QTest::newRow("GB") << quarter << QStringLiteral("5120") << QString() << gb12
                        << QStringLiteral("Alpha")
                        << QStringList{QStringLiteral(
                               "Plan: 1.2 of 5.0 GB (24%), period end about 4.8 GB")};
    QTest::newRow("MB, both caps")
        << quarter << QStringLiteral("500") << QStringLiteral("40") << 100 * kMB
        << QStringLiteral("Alpha")
        << QStringList{QStringLiteral("Plan: 100.0 of 500.0 MB (20%), period end about 400.0 MB"),
                       QStringLiteral("Plan: 10.00 of 40.00 (25%), period end about 40.00")};
    QTest::newRow("first hour") << QDateTime(QDate(2009, 3, 1), QTime(0, 30))
                                << QStringLiteral("5120") << QString() << gb12
                                << QStringLiteral("Alpha")
                                << QStringList{QStringLiteral("Plan: 1.2 of 5.0 GB (24%)")};
    QTest::newRow("another entry") << quarter << QStringLiteral("5120") << QString() << gb12
                                   << QStringLiteral("Beta") << QStringList();
}

void TestPlanTracking::tooltipLine()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, trafficCap);
    QFETCH(QString, costCap);
    QFETCH(qint64, runningBytes);
    QFETCH(QString, entry);
    QFETCH(QStringList, lines);

    Fixture f;
    f.clock.set(now);
    writeConfig(f.dir.path(), {{"TrafficCap", trafficCap}, {"CostCap", costCap}});
    writeSession(f.dir.path(), QDateTime(QDate(2009, 3, 1), QTime(0, 0)), 0, 10);
    f.start();
    SessionCounters counters;
    counters.dwBytesRcved = runningBytes;
    f.service.connections = {{7, entry, counters}};
    f.tick(2);
    QStringList hint = f.view.hint.split(QStringLiteral("\r\n"));
    QCOMPARE(hint.mid(4), lines);
    QVERIFY(f.view.hint.size() <= 255);
}

void TestPlanTracking::settingsTakeEffect()
{
    Fixture f;
    writeConfig(f.dir.path(), {{"TrafficCap", QStringLiteral("10")}});
    f.start();
    f.connect(6 * kMB);
    f.tick(2);
    QVERIFY(f.view.hint.contains(QStringLiteral("\r\nPlan: 6.0 of 10.0 MB (60%), period end")));
    // A new cap shows at the next tick; the cap taken away, so does its line.
    pugi::xml_node alpha = f.state->config().root().child("ISP").child("Item");
    setAttributeText(alpha, "TrafficCap", QStringLiteral("20"));
    f.state->settingsClosed();
    f.tick();
    QVERIFY(f.view.hint.contains(QStringLiteral("\r\nPlan: 6.0 of 20.0 MB (30%), period end")));
    setAttributeText(alpha, "TrafficCap", QString());
    f.state->settingsClosed();
    f.tick();
    QVERIFY(!f.view.hint.contains(QStringLiteral("Plan:")));
}

void TestPlanTracking::dialOverCapAsksFirst_data()
{
    QTest::addColumn<double>("recordedCost");
    QTest::addColumn<QList<Prompter::Button>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("connections");

    QTest::newRow("under the cap") << 5.0 << QList<Prompter::Button>{} << 0 << 1;
    QTest::newRow("over, dial anyway") << 20.0 << QList<Prompter::Button>{Prompter::Yes} << 1 << 1;
    QTest::newRow("over, no") << 20.0 << QList<Prompter::Button>{Prompter::No} << 1 << 0;
}

void TestPlanTracking::dialOverCapAsksFirst()
{
    QFETCH(double, recordedCost);
    QFETCH(QList<Prompter::Button>, answers);
    QFETCH(int, questions);
    QFETCH(int, connections);

    SimulationScenario scenario;
    scenario.phonebook = {QStringLiteral("Alpha")};
    scenario.dialDefault.delayMs = 0;
    SimulatedModemService modem(scenario, std::make_unique<ManualElapsedTime>());
    QTemporaryDir dir;
    ManualClock clock(QDateTime(QDate(2009, 3, 5), QTime(10, 0)));
    writeConfig(dir.path(), {{"CostCap", QStringLiteral("20")}});
    writeSession(dir.path(), QDateTime(QDate(2009, 3, 2), QTime(9, 0)), 0, recordedCost);
    ScriptedPrompter prompter;
    prompter.answers = answers;
    TMain window(modem, prompter, clock, dir.path());
    window.tray().PopupMenu1Popup();
    QAction *item = window.findChild<QMenu *>("ConnectionsMenu")->actions().value(0);
    QVERIFY(item);
    item->trigger();
    QCOMPARE(prompter.asked.size(), questions);
    if (questions > 0) {
        QCOMPARE(prompter.asked[0].text,
                 QStringLiteral("The plan's cap for Alpha is reached. Dial anyway?"));
    }
    QCOMPARE(ActiveConnectionCount(modem), connections);
}

QTEST_MAIN(TestPlanTracking)
#include "test_plan_tracking.moc"
