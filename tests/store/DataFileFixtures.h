#pragma once

#include "store/DataFileEnvelope.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Files on disk as a user's data folder may hold them: written byte for byte,
// or through the envelope as the program writes them.
inline void writeRaw(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline void writeScrambled(const QString &fileName, QByteArray bytes)
{
    ScrambleStream(bytes);
    writeRaw(fileName, bytes);
}

inline QByteArray readRaw(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A file the program cannot open although it is there, as one a run with
// sudo leaves behind: owned by root with mode 0600 when the tests run as root,
// mode 0 otherwise. Its folder is opened to everyone, so only the refusal to
// save keeps a rename from replacing it.
inline void makeUnreadable(const QString &fileName, const QString &folder)
{
    QCOMPARE(::chmod(QFile::encodeName(fileName).constData(), ::geteuid() == 0 ? 0600 : 0), 0);
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
}

// Runs work as a user the permissions of makeUnreadable shut out: when the
// tests run as root, in a child process that drops to the user nobody (root
// reads anything). Returns work's result (0 to 254), or -1 when the child
// could not drop its privileges.
inline int runUnprivileged(const std::function<int()> &work)
{
    if (::geteuid() != 0)
        return work();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(255);
        ::_exit(work() & 0x7F);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 255)
        return -1;
    return WEXITSTATUS(status);
}
