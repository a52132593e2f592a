// Takes the screenshots that the AppStream metadata shows, on a real X server
// (Xvfb): the counter window during a priced connection a few minutes old, and
// the plan window of a capped provider nine days into its period. Writes
// test-artifacts/screenshots/main-window.png and plan-window.png in the build
// folder; the copies in data/screenshots are refreshed from there.
#include "app/ScriptedPrompter.h"
#include "support/FakeConnectionService.h"

#include "app/ProgramState.h"
#include "app/TMain.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/TextForms.h"
#include "planview/TPlan.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"
#include "store/StatisticsLog.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

// Costs counted; a provider named as the entry, priced per minute and per
// megabyte received and sent.
const char *const kConfig = R"(<MainContent><General><Calculate Value="1"/></General>
<TariffTypes><Item ID="1" Name="Day" Minute="1" Input="2" Output="1"/></TariffTypes>
<ISP><Item Name="Dial-up" DefCost="1"/></ISP><Users/><Graph/></MainContent>)";

// Whether a picture shows something, not a blank frame.
bool looksFilled(const QImage &shot)
{
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2)
            colours.insert(shot.pixel(x, y));
    return colours.size() > 20;
}

bool saveShot(const QImage &shot, const QString &name)
{
    const QString folder = QStringLiteral(DIALOMETER_BINARY_DIR "/test-artifacts/screenshots");
    const QString file = folder + QLatin1Char('/') + name;
    if (!QDir().mkpath(folder) || !shot.save(file))
        return false;
    qInfo("screenshot: %s", qPrintable(file));
    return true;
}

} // namespace

class TestScreenshot : public QObject
{
    Q_OBJECT
private slots:
    void counterWindow();
    void planWindow();
};

void TestScreenshot::counterWindow()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server: the test runs under xvfb-run");

    QTemporaryDir home;
    XmlDocument config;
    QVERIFY(config.parse(QByteArray(kConfig)));
    QVERIFY(SaveConfig(configPath(home.path()), config));

    ManualClock clock(QDateTime(QDate(2026, 12, 9), QTime(20, 15)));
    FakeConnectionService service;
    service.phonebook = {QStringLiteral("Dial-up"), QStringLiteral("Office ISDN")};
    ScriptedPrompter prompter;
    TMain window(service, prompter, clock, home.path());
    window.state().Timer1()->stop(); // ticked by hand below
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // A connection three minutes old, its rate rising and falling like a download.
    SessionCounters counters;
    counters.dwBps = 57600;
    service.connections = {{1, QStringLiteral("Dial-up"), counters}};
    for (int tick = 0; tick < 360; ++tick) {
        const double rate = 3000.0 + 2200.0 * std::sin(tick / 25.0) + 700.0 * std::sin(tick / 3.1);
        counters.dwBytesRcved += quint64(rate / 2);
        counters.dwBytesXmited += quint64(rate / 20);
        counters.dwFramesRcved += quint64(rate / 1000) + 1;
        counters.dwFramesXmited += 1;
        counters.dwCompressionRatioIn = 38;
        counters.dwCompressionRatioOut = 12;
        counters.dwConnectDuration = quint64(tick) * 500;
        service.connections[0].counters = counters;
        window.state().Timer1Timer();
        clock.advanceMs(500);
    }
    QTest::qWait(300);

    const QImage shot = window.grab().toImage();
    QVERIFY(shot.width() >= 200 && shot.height() >= 150);
    // The window shows the connection, not a blank frame.
    QVERIFY2(looksFilled(shot), "the window looks blank");
    QVERIFY(saveShot(shot, QStringLiteral("main-window.png")));
}

// "Mobile" with 2 GB a month: eight days of use, the ninth with a
// connection up.
void TestScreenshot::planWindow()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server: the test runs under xvfb-run");

    QTemporaryDir home;
    XmlDocument config;
    QVERIFY(config.parse("<MainContent><General/><TariffTypes/><ISP><Item Name=\"Mobile\" "
                         "TrafficCap=\"2048\"/></ISP><Users/><Graph/></MainContent>"));
    QVERIFY(SaveConfig(configPath(home.path()), config));
    XmlDocument month;
    NewStatistics(month);
    const int megabytes[] = {95, 140, 60, 0, 210, 180, 75, 120};
    for (int day = 0; day < 8; ++day) {
        pugi::xml_node line = month.root().child("Data").append_child("Line");
        const QDateTime time(QDate(2026, 12, 1 + day), QTime(19, 30));
        setAttributeText(line, "Time", TextForms::dateTimeText(TextForms::toDays(time)));
        setAttributeText(line, "Duration", TextForms::dateTimeText(0.05));
        setAttributeText(line, "TrafficIn", QString::number(qint64(megabytes[day]) * 1048576));
        setAttributeText(line, "TrafficOut", QStringLiteral("0"));
        setAttributeText(line, "ConnectName", QStringLiteral("Mobile"));
    }
    QVERIFY(QDir().mkpath(logsDir(home.path())));
    QVERIFY(SaveDocument(logsDir(home.path()) + QStringLiteral("/26_12.sn2"), month));

    ManualClock clock(QDateTime(QDate(2026, 12, 9), QTime(20, 15)));
    FakeConnectionService service;
    ScriptedPrompter prompter;
    TMain window(service, prompter, clock, home.path());
    window.state().Timer1()->stop(); // ticked by hand below
    SessionCounters counters;
    counters.dwBytesRcved = 90 * 1048576;
    service.connections = {{1, QStringLiteral("Mobile"), counters}};
    for (int tick = 0; tick < 3; ++tick) {
        window.state().Timer1Timer();
        clock.advanceMs(500);
    }
    window.PlanClick();
    auto *plan = window.findChild<TPlan *>();
    QVERIFY(plan);
    QVERIFY(QTest::qWaitForWindowExposed(plan));
    QTest::qWait(300);

    const QImage shot = plan->grab().toImage();
    QVERIFY2(looksFilled(shot), "the window looks blank");
    QVERIFY(saveShot(shot, QStringLiteral("plan-window.png")));
}

QTEST_MAIN(TestScreenshot)
#include "test_screenshot.moc"
