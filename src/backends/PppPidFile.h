#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QFileInfo;

// One of the pid files pppd keeps in its run folder while a link is up:
// "pppN.pid" holds the pid once the unit's interface exists; with a link
// name (NetworkManager names the link after its interface) "ppp-LINK.pid"
// holds the pid and the interface. The file's time is when the link came up.
struct PppPidFile
{
    qint64 pid = 0;
    QString interfaceName; // empty when a link file names no valid interface
    QString linkName;      // empty for a unit's file
    qint64 writtenAtMs = 0;

    // Where pppd writes them, tried in order (/var/run is usually /run).
    static QStringList defaultFolders();
    // The file names pppd uses, for QDir::entryInfoList().
    static QString nameFilter();

    // Reads one file; false when it is none of pppd's or holds no pid.
    static bool read(const QFileInfo &file, PppPidFile *out);

    // When the file of linkName was written, from the first folder that has
    // it; -1 when none has.
    static qint64 linkWrittenAtMs(const QStringList &folders, const QString &linkName);
};
