#include "store/DataFiles.h"

#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/LogCategories.h"
#include "store/DataFileEnvelope.h"
#include "store/RunningJournal.h"
#include "store/XmlDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// The file a save really replaces: a symbolic link keeps pointing at its file.
QString saveTarget(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            return target;
    }
    return info.absoluteFilePath();
}

// A save's temporary file is its target's name, this and the six characters
// mkostemp puts in place of "XXXXXX": distinct enough that removing a
// leftover never takes a file a user named, such as "26_12.sn2.backup".
constexpr char kTempInfix[] = ".saving-";
constexpr int kTempSuffixLength = 6;

bool isTempSuffix(QStringView suffix)
{
    if (suffix.size() != kTempSuffixLength)
        return false;
    for (const QChar c : suffix) {
        if (!((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
              (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
              (c >= QLatin1Char('0') && c <= QLatin1Char('9'))))
            return false;
    }
    return true;
}

// Removes folder's temporary files of saves to files matching targetFilter.
int removeTempFiles(const QString &folder, const QString &targetFilter)
{
    const QString pattern =
        targetFilter + QLatin1String(kTempInfix) + QString(kTempSuffixLength, QLatin1Char('?'));
    const QFileInfoList candidates =
        QDir(folder).entryInfoList(QStringList{pattern}, QDir::Files | QDir::Hidden);
    int removed = 0;
    for (const QFileInfo &info : candidates) {
        const QString name = info.fileName();
        if (info.isSymLink() || !info.isFile() ||
            !isTempSuffix(QStringView(name).right(kTempSuffixLength)))
            continue;
        if (::unlink(QFile::encodeName(info.absoluteFilePath()).constData()) == 0) {
            qCInfo(lcStore) << "removed the temporary file of an interrupted save"
                            << info.absoluteFilePath();
            ++removed;
        }
    }
    return removed;
}

} // namespace

bool LoadDocument(const QString &fileName, XmlDocument &document)
{
    const QFileInfo info(fileName);
    if (!info.exists() || info.isDir()) {
        qCDebug(lcStore) << "no file" << fileName;
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcStore) << "cannot open" << fileName << file.errorString();
        return false;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcStore) << "cannot read" << fileName << file.errorString();
        return false;
    }
    UnscrambleStream(bytes);
    if (!document.parse(bytes)) {
        qCWarning(lcStore) << fileName << "is no XML document:" << document.errorText();
        return false;
    }
    return true;
}

bool SaveDocument(const QString &fileName, const XmlDocument &document)
{
    if (fileName.isEmpty()) {
        qCWarning(lcStore) << "save: no file name";
        return false;
    }
    QByteArray bytes = document.serialize();
    ScrambleStream(bytes);

    const QFileInfo target(saveTarget(fileName));
    const QByteArray targetPath = QFile::encodeName(target.absoluteFilePath());
    QByteArray tempPath = targetPath + kTempInfix + "XXXXXX";

    // mkstemp creates the file with mode 0600: the configuration holds passwords.
    const int fd = ::mkostemp(tempPath.data(), O_CLOEXEC);
    if (fd < 0) {
        qCWarning(lcStore, "save of %s failed: cannot create a temporary file: %s",
                  targetPath.constData(), std::strerror(errno));
        return false;
    }
    bool ok = writeAll(fd, bytes.constData(), bytes.size());
    ok = (::fsync(fd) == 0) && ok;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(tempPath.constData(), targetPath.constData()) == 0;
    if (!ok) {
        qCWarning(lcStore, "save of %s failed: %s", targetPath.constData(), std::strerror(errno));
        ::unlink(tempPath.constData());
        return false;
    }
    qCDebug(lcStore, "saved %s (%lld bytes)", targetPath.constData(), qlonglong(bytes.size()));
    // The folder is not synced: after a power cut the rename may be lost,
    // which leaves the previous complete file, never a truncated one.
    return true;
}

bool PreserveUnreadableFile(const QString &fileName, const Clock &clock)
{
    const QFileInfo info(fileName);
    if (!info.exists() || !info.isFile() || info.size() == 0)
        return false;
    XmlDocument probe;
    if (LoadDocument(fileName, probe))
        return false;

    const QString stamp = clock.now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = fileName + QStringLiteral(".unreadable-") + stamp;
    QString keptName = base;
    for (int n = 1; QFileInfo::exists(keptName) || QFileInfo(keptName).isSymLink(); ++n)
        keptName = base + QLatin1Char('-') + QString::number(n);
    const bool kept = ::rename(QFile::encodeName(fileName).constData(),
                               QFile::encodeName(keptName).constData()) == 0;
    if (kept)
        qCWarning(lcStore) << "unreadable file" << fileName << "kept as" << keptName;
    else
        qCWarning(lcStore) << "unreadable file" << fileName
                           << "could not be kept aside:" << std::strerror(errno);
    return kept;
}

int RemoveInterruptedSaves(const QString &dataFolder)
{
    return removeTempFiles(dataFolder, QFileInfo(configPath(dataFolder)).fileName()) +
           removeTempFiles(dataFolder, QFileInfo(RunningJournal::pathIn(dataFolder)).fileName()) +
           removeTempFiles(logsDir(dataFolder), statsFileFilter());
}
