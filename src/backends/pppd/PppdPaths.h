#pragma once

#include "backends/PppPidFile.h"

#include <QString>
#include <QStringList>

// Where the pppd back end finds things. Every system path is here, so tests
// can build a fake tree in a temporary folder.
struct PppdPaths
{
    QString peersDir = QStringLiteral("/etc/ppp/peers");
    QStringList runDirs = PppPidFile::defaultFolders();
    QString sysfsRoot = QStringLiteral("/sys");
    QString procRoot = QStringLiteral("/proc");
    QString ponCommand = QStringLiteral("pon");   // pon PEER [pppd options]
    QString poffCommand = QStringLiteral("poff"); // poff PEER
};
