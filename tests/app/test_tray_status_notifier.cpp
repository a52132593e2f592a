// The tray on a StatusNotifierItem desktop: a watcher of the test's own on a
// private session bus takes the program's item, and the test clicks it the way
// such a tray host does, over D-Bus. Runs on its own Xvfb; skipped when Xvfb
// or dbus-daemon is missing.
#include "AppSurroundings.h"
#include "TestProcesses.h"

#include "app/ProgramState.h"
#include "app/TMain.h"
#include "app/TrayIcon.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");

QString g_skipReason;
QString g_startError;
pid_t g_xvfb = 0;
pid_t g_bus = 0;
QTemporaryDir *g_busDir = nullptr;

// Starts dbus-daemon on a socket in a temporary folder and points this
// process's session bus at it.
bool startPrivateBus()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) {
        g_skipReason = QStringLiteral("dbus-daemon is needed (scripts/install-deps.sh)");
        return false;
    }
    g_busDir = new QTemporaryDir;
    const QString socket = g_busDir->filePath(QStringLiteral("bus"));
    const QString config = g_busDir->filePath(QStringLiteral("session.conf"));
    const QByteArray address = "unix:path=" + QFile::encodeName(socket);
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(
        "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
        " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
        "<busconfig><type>session</type><listen>" +
        address +
        "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
        "<allow user=\"*\"/><allow own=\"*\"/><allow send_destination=\"*\"/>"
        "<allow receive_sender=\"*\"/></policy></busconfig>\n");
    file.close();
    g_bus = spawnProgram(daemon,
                         {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork")});
    if (!g_bus || !waitForFile(socket)) {
        g_startError = QStringLiteral("dbus-daemon did not start");
        return false;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    return true;
}

} // namespace

// The watcher a tray host registers: it tells items that a host is there and
// keeps the names of the items that register. It answers from a thread of its
// own, since the program asks it with blocking calls from the main thread.
class StatusNotifierWatcher : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)

public:
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList items() const
    {
        QMutexLocker lock(&m_mutex);
        return m_items;
    }

public slots:
    void RegisterStatusNotifierItem(const QString &service)
    {
        QMutexLocker lock(&m_mutex);
        m_items << service;
    }
    void RegisterStatusNotifierHost(const QString &) {}

private:
    mutable QMutex m_mutex;
    QStringList m_items;
};

class TestTrayStatusNotifier : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void clickShowsWindowRightClickOpensMenu();

private:
    QThread m_thread;
    StatusNotifierWatcher *m_watcher = nullptr;
};

void TestTrayStatusNotifier::initTestCase()
{
    if (!g_skipReason.isEmpty())
        QSKIP(qPrintable(g_skipReason));
    QVERIFY2(g_startError.isEmpty(), qPrintable(g_startError));
    QDBusConnection bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("host"));
    QVERIFY(bus.isConnected());
    m_watcher = new StatusNotifierWatcher;
    m_watcher->moveToThread(&m_thread);
    m_thread.start();
    QVERIFY(
        bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), m_watcher,
                           QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
    QVERIFY(bus.registerService(kWatcherService));
}

void TestTrayStatusNotifier::cleanupTestCase()
{
    if (m_watcher) {
        QDBusConnection::disconnectFromBus(QStringLiteral("host"));
        m_thread.quit();
        m_thread.wait();
        delete m_watcher;
    }
}

void TestTrayStatusNotifier::clickShowsWindowRightClickOpensMenu()
{
    QVERIFY(QSystemTrayIcon::isSystemTrayAvailable());
    AppSurroundings world;
    world.service.phonebook = {QStringLiteral("Alpha")};
    TMain window(world.service, world.prompter, world.clock, world.dir.path());
    window.state().Timer1()->stop();
    QVERIFY(window.tray().isStatusNotifier());
    QTRY_COMPARE(m_watcher->items().size(), 1);
    const QString item = m_watcher->items().first();

    QDBusConnection host(QStringLiteral("host"));
    const auto click = [&](const QString &method) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            item, QStringLiteral("/StatusNotifierItem"), kItemInterface, method);
        call.setArguments({0, 0});
        // The program answers from this thread: wait without blocking it.
        QDBusPendingCall pending = host.asyncCall(call);
        QTRY_VERIFY(pending.isFinished());
        QVERIFY2(!pending.isError(), qPrintable(pending.error().message()));
    };

    // The right click leaves the window alone; the host then shows the menu
    // the item exports, which is built afresh as it opens.
    click(QStringLiteral("ContextMenu"));
    QTest::qWait(100);
    QVERIFY(!window.isVisible());
    QDBusMessage aboutToShow = QDBusMessage::createMethodCall(
        item, QStringLiteral("/MenuBar"), QStringLiteral("com.canonical.dbusmenu"),
        QStringLiteral("AboutToShow"));
    aboutToShow.setArguments({0});
    QDBusPendingCall pending = host.asyncCall(aboutToShow);
    QTRY_VERIFY(pending.isFinished());
    QCOMPARE(
        captions(window.tray().ConnectionsMenu()),
        (QStringList{QStringLiteral("Alpha"), QStringLiteral("-"), QStringLiteral("Setting")}));

    // The click that activates the item shows the window.
    click(QStringLiteral("Activate"));
    QTRY_VERIFY(window.isVisible());
}

int main(int argc, char *argv[])
{
    // Qt reaches a StatusNotifierItem tray through its desktop themes, which
    // the offscreen platform has none of: the test needs an X display.
    g_xvfb = startVirtualDisplay(&g_skipReason);
    if (g_xvfb)
        startPrivateBus();
    else
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int rc = runTrayTest<TestTrayStatusNotifier>(argc, argv);
    stopProgram(g_bus);
    stopProgram(g_xvfb);
    delete g_busDir;
    return rc;
}

#include "test_tray_status_notifier.moc"
