#include "app/ProgramState.h"
#include "app/SingleInstance.h"
#include "app/TMain.h"
#include "app/WidgetPrompter.h"
#include "backends/ConnectionServiceFactory.h"
#include "backends/sim/DemoConfiguration.h"
#include "connection/ConnectionService.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/Translations.h"
#include "core/Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QSystemTrayIcon>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char *const kAlreadyRunning = QT_TRANSLATE_NOOP("main", "Dialometer already run!!!");

int g_signalPipe[2] = {-1, -1};

void onTerminationSignal(int signo)
{
    const char byte = char(signo);
    // Only async-signal-safe calls here; the loop does the rest.
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP end the loop in order, like a confirmed Exit.
bool installTerminationHandlers()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return false;
    for (int fd : g_signalPipe)
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signo : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signo, &action, nullptr);
    return true;
}

// The desktop session's quit arrives as a quit request to the application; a
// plain quit would ask the window to close, which only hides it.
class SessionQuitFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::Quit) {
            QCoreApplication::exit(0);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Errors before the window exists: on the terminal, and in a box when a user
// can see one.
void reportStartError(Prompter &prompter, const QString &text)
{
    QTextStream(stderr) << "dialometer: " << text << Qt::endl;
    if (QGuiApplication::platformName() != QLatin1String("offscreen") &&
        QGuiApplication::platformName() != QLatin1String("minimal"))
        prompter.message(QString::fromLatin1(kApplicationName), text, Prompter::Icon::Critical);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.4"));

    // --help and --version answer without a display, in the user's language:
    // a core application carries the translations until the parser is done.
    // It is named by the file name alone, as the help shows the program.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QByteArray programName = QFileInfo(arguments.first()).fileName().toLocal8Bit();
    int earlyArgc = 1;
    char *earlyArgv[] = {programName.data(), nullptr};
    auto earlyApp = std::make_unique<QCoreApplication>(earlyArgc, earlyArgv);
    Translations::installTranslations(*earlyApp);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Watches the active dial-up or metered connection from the system tray\n"
                "and counts what it costs.\n\n"
                "Environment:\n"
                "  DIALOMETER_HOME     data folder (configuration and Logs)\n"
                "  DIALOMETER_BACKEND  networkmanager, pppd or sim\n"
                "  DIALOMETER_SIM      scenario file of the simulated modem"));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption demoOption(
        QStringLiteral("demo"),
        QCoreApplication::translate(
            "main", "Run on the simulated modem with its demo scenario, in a data folder of its "
                    "own."));
    parser.addOption(demoOption);
    if (!parser.parse(arguments)) {
        QTextStream(stderr) << "dialometer: " << parser.errorText() << Qt::endl;
        return 2;
    }
    if (parser.isSet(helpOption)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.isSet(versionOption)) {
        QTextStream(stdout) << kApplicationName << ' ' << QCoreApplication::applicationVersion()
                            << Qt::endl;
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        QTextStream(stderr) << "dialometer: "
                            << QCoreApplication::translate("main", "unexpected argument %1")
                                   .arg(parser.positionalArguments().first())
                            << Qt::endl;
        return 2;
    }
    const bool demo = parser.isSet(demoOption);
    earlyApp.reset();

    QApplication app(argc, argv);
    Translations::installTranslations(app);
    QApplication::setApplicationDisplayName(QString::fromLatin1(kApplicationName));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("dialometer"));
    QApplication::setQuitOnLastWindowClosed(false);
    WidgetPrompter prompter;

    const QString folder = dataFolder(demo);
    ensureFolder(folder);
    SingleInstance instance(folder);
    if (!instance.acquire()) {
        if (instance.heldElsewhere()) {
            QTextStream(stderr) << QCoreApplication::translate("main", kAlreadyRunning) << Qt::endl;
            if (QGuiApplication::platformName() != QLatin1String("offscreen"))
                prompter.message(QString::fromLatin1(kApplicationName),
                                 QCoreApplication::translate("main", kAlreadyRunning),
                                 Prompter::Icon::Information);
            return 0;
        }
        // Without a lock file there is no guard, but the program still runs.
        QTextStream(stderr) << "dialometer: " << instance.errorText() << Qt::endl;
    }

    QString error;
    std::unique_ptr<ConnectionService> service =
        createConnectionService(backendOptionsFromEnvironment(demo), &error);
    if (!service) {
        reportStartError(prompter, error.isEmpty()
                                       ? QCoreApplication::translate(
                                             "main", "No connection service is available.")
                                       : error);
        return 1;
    }

    // The demo's first start gets a sample tariff set, so a cost shows at once.
    if (demo)
        WriteDemoConfiguration(configPath(folder));

    installTerminationHandlers();
    QSocketNotifier signalNotifier(g_signalPipe[1], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [] {
        char byte;
        while (::read(g_signalPipe[1], &byte, 1) > 0) {
        }
        QCoreApplication::exit(0);
    });
    SessionQuitFilter quitFilter;
    app.installEventFilter(&quitFilter);

    SystemClock clock;
    TMain window(*service, prompter, clock, folder);
    prompter.setParent(&window);
    // exit() rather than quit(): a quit request would ask the window to close,
    // and closing only hides it.
    QObject::connect(&window, &TMain::exitConfirmed, &app, [] { QCoreApplication::exit(0); });
    // The session manager may end the process without a quit after this.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window] { window.state().saveRunningJournal(); });
    // Without a tray the window is the only way to reach the program.
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        window.show();

    const int code = app.exec();
    window.FormDestroy();
    return code;
}
