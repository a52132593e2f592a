#pragma once

// Programs a desktop test starts around itself (a virtual X display, a tray
// host, a session bus), before its QApplication exists.

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTest>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

// Starts program with args; 0 when it could not be started.
inline pid_t spawnProgram(const QString &program, const QStringList &args)
{
    QList<QByteArray> storage{QFile::encodeName(program)};
    for (const QString &arg : args)
        storage << arg.toLocal8Bit();
    QList<char *> argv;
    for (QByteArray &a : storage)
        argv << a.data();
    argv << nullptr;
    pid_t pid = 0;
    if (posix_spawn(&pid, storage[0].constData(), nullptr, nullptr, argv.data(), environ) != 0)
        return 0;
    return pid;
}

inline void stopProgram(pid_t &pid)
{
    if (pid > 0) {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
        pid = 0;
    }
}

// Waits up to five seconds for path to appear.
inline bool waitForFile(const QString &path)
{
    for (int i = 0; i < 100 && !QFile::exists(path); ++i)
        ::usleep(50000);
    return QFile::exists(path);
}

// Starts Xvfb on a free display and points this process at it (xcb). On
// failure returns 0 and says why in reason.
inline pid_t startVirtualDisplay(QString *reason)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        *reason = QStringLiteral("Xvfb is needed (scripts/install-deps.sh)");
        return 0;
    }
    int display = 0;
    for (int n = 91; n < 140 && !display; ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) &&
            !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            display = n;
    }
    pid_t pid = spawnProgram(xvfb, {QStringLiteral(":%1").arg(display), QStringLiteral("-screen"),
                                    QStringLiteral("0"), QStringLiteral("480x360x24"),
                                    QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!pid || !waitForFile(QStringLiteral("/tmp/.X11-unix/X%1").arg(display))) {
        stopProgram(pid);
        *reason = QStringLiteral("Xvfb did not start");
        return 0;
    }
    qputenv("DISPLAY", QByteArray(":") + QByteArray::number(display));
    qputenv("QT_QPA_PLATFORM", "xcb");
    return pid;
}

// Runs the test object T in an application that goes on when its last window
// closes (the tray program's way).
template <typename T> int runTrayTest(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    T test;
    return QTest::qExec(&test, argc, argv);
}
