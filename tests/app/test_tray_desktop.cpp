// The main window on a real X server with a tray host: the icon docks in the
// tray and a double click on it opens the window. Runs on its own Xvfb with
// trayer; skipped when either is missing.
#include "ScriptedPrompter.h"
#include "TestProcesses.h"
#include "support/FakeConnectionService.h"
#include "support/RealInput.h"

#include "app/ProgramState.h"
#include "app/TMain.h"
#include "app/TrayIcon.h"
#include "core/Clock.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QString g_skipReason;
pid_t g_xvfb = 0;
pid_t g_trayer = 0;

// Starts Xvfb and a tray host on it.
bool startDesktop()
{
    g_xvfb = startVirtualDisplay(&g_skipReason);
    if (!g_xvfb)
        return false;
    const QString trayer = QStandardPaths::findExecutable(QStringLiteral("trayer"));
    if (trayer.isEmpty()) {
        g_skipReason = QStringLiteral("trayer is needed (scripts/install-deps.sh)");
        return false;
    }
    // The tray host here is an X one: keep Qt off a D-Bus tray of the session.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    g_trayer = spawnProgram(
        trayer,
        {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
         QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
         QStringLiteral("--width"), QStringLiteral("96"), QStringLiteral("--heighttype"),
         QStringLiteral("pixel"), QStringLiteral("--height"), QStringLiteral("24"),
         QStringLiteral("--transparent"), QStringLiteral("false"), QStringLiteral("--tint"),
         QStringLiteral("0x4070a0"), QStringLiteral("--SetDockType"), QStringLiteral("true")});
    if (!g_trayer)
        g_skipReason = QStringLiteral("trayer did not start");
    return g_trayer != 0;
}

// The widget of the icon inside the tray.
QWidget *trayIconWidget()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (QByteArray(w->metaObject()->className()) == "QSystemTrayIconSys")
            return w;
    return nullptr;
}

} // namespace

class TestTrayDesktop : public QObject
{
    Q_OBJECT
private slots:
    void iconDocksAndOpensWindow();
    void menuWorksWhileAWindowIsOpen();
};

void TestTrayDesktop::iconDocksAndOpensWindow()
{
    if (!g_skipReason.isEmpty())
        QSKIP(qPrintable(g_skipReason));
    QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);

    QTemporaryDir home;
    ManualClock clock;
    FakeConnectionService service;
    ScriptedPrompter prompter;
    TMain window(service, prompter, clock, home.path());
    QSystemTrayIcon *tray = window.tray().CoolTrayIcon1();
    QVERIFY(tray->isVisible());
    QVERIFY(!window.isVisible());

    // Docked: the icon has a place inside the tray at the top right.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto docked = [&] {
        const QRect place = tray->geometry();
        return place.width() > 0 && place.top() < 24 && place.right() > screen.width() - 100;
    };
    QTRY_VERIFY_WITH_TIMEOUT(docked(), 10000);
    const QRect place = tray->geometry();
    QVERIFY2(docked(), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                      .arg(place.x())
                                      .arg(place.y())
                                      .arg(place.width())
                                      .arg(place.height())));

    // The tray shows the icon as the disconnected image draws it: not just the
    // tray's own background.
    QTest::qWait(300);
    const QImage icon = QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(place);
    QSet<QRgb> colours;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            colours.insert(icon.pixel(x, y));
    QVERIFY2(colours.size() > 3, "the tray place shows no icon");

    // The icon widget inside the tray receives the double click as the tray
    // host passes it on.
    QWidget *iconWidget = trayIconWidget();
    QVERIFY(iconWidget);
    QTest::mouseDClick(iconWidget, Qt::LeftButton, {}, iconWidget->rect().center());
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(window.isActiveWindow() || window.windowHandle()->isExposed(), 5000);
    QTest::qWait(500);

    // A connection comes up: the balloon shows until Timer2 takes it away.
    window.state().Timer1()->stop();
    SessionCounters counters;
    counters.dwBps = 57600;
    counters.dwBytesRcved = 4096;
    service.connections = {{1, QStringLiteral("Alpha"), counters}};
    window.state().Timer1Timer();
    const auto balloon = [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (QByteArray(w->metaObject()->className()) == "QBalloonTip" && w->isVisible())
                return w;
        return static_cast<QWidget *>(nullptr);
    };
    QTRY_VERIFY_WITH_TIMEOUT(balloon() != nullptr, 5000);
    QVERIFY(window.tray().Timer2()->isActive());
    QTest::qWait(300);

    const QString artefacts = QStringLiteral(DIALOMETER_BINARY_DIR "/test-artifacts");
    QDir().mkpath(artefacts);
    const QString shot = artefacts + QStringLiteral("/tray-desktop.png");
    QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(shot));
    qInfo("screenshot: %s", qPrintable(shot));

    window.tray().Timer2Timer();
    QTRY_VERIFY_WITH_TIMEOUT(balloon() == nullptr, 5000);
}

void TestTrayDesktop::menuWorksWhileAWindowIsOpen()
{
    if (!g_skipReason.isEmpty())
        QSKIP(qPrintable(g_skipReason));
    QTemporaryDir home;
    ManualClock clock;
    FakeConnectionService service;
    ScriptedPrompter prompter;
    TMain window(service, prompter, clock, home.path());
    QTRY_VERIFY_WITH_TIMEOUT(trayIconWidget() && trayIconWidget()->isVisible(), 10000);

    // The statistics window is open; the menu is opened on the icon with the
    // right button and its Statistic clicked, all through the X server.
    QWidget *second = nullptr;
    RealInput::whenShown(
        [&] { return window.modalWindowInFront(); },
        [&](QWidget *statistics) {
            QWidget *icon = trayIconWidget();
            QTest::mouseClick(icon->windowHandle(), Qt::RightButton, {}, icon->rect().center());
            QMenu *menu = window.tray().PopupMenu1();
            QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), 5000);
            auto *item = menu->findChild<QAction *>(QStringLiteral("Statistic1"));
            QTimer::singleShot(500, [&] {
                if (QWidget *front = window.modalWindowInFront(); front != statistics) {
                    second = front;
                    if (front)
                        front->close();
                }
            });
            QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                              menu->actionGeometry(item).center());
            QTRY_VERIFY_WITH_TIMEOUT(!menu->isVisible(), 5000);
            QTest::qWait(700);
            QCOMPARE(window.modalWindowInFront(), statistics);
        });
    window.StatisticsClick();
    QVERIFY(!second);
}

int main(int argc, char *argv[])
{
    const bool desktop = startDesktop();
    if (!desktop)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int rc = runTrayTest<TestTrayDesktop>(argc, argv);
    stopProgram(g_trayer);
    stopProgram(g_xvfb);
    return rc;
}

#include "test_tray_desktop.moc"
