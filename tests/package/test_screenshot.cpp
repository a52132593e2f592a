// Takes the screenshot that the AppStream metadata shows: the counter window
// on a real X server (Xvfb) during a priced connection a few minutes old. Writes
// test-artifacts/screenshots/main-window.png in the build folder; the copy in
// data/screenshots is refreshed from there.
#include "support/FakeConnectionService.h"
#include "app/ScriptedPrompter.h"

#include "app/ProgramState.h"
#include "app/TMain.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "store/ConfigDocument.h"

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

} // namespace

class TestScreenshot : public QObject
{
    Q_OBJECT
private slots:
    void counterWindow();
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
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2)
            colours.insert(shot.pixel(x, y));
    QVERIFY2(colours.size() > 20, "the window looks blank");

    const QString folder = QStringLiteral(DIALOMETER_BINARY_DIR "/test-artifacts/screenshots");
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/main-window.png");
    QVERIFY(shot.save(file));
    qInfo("screenshot: %s", qPrintable(file));
}

QTEST_MAIN(TestScreenshot)
#include "test_screenshot.moc"
