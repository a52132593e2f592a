#include "store/DataFiles.h"

#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/LogCategories.h"
#include "store/DataFileEnvelope.h"
#include "store/XmlDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>

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

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Reads the whole file; 0 or the errno of the failed read.
int readAll(int fd, qint64 sizeHint, QByteArray &bytes)
{
    bytes.reserve(qsizetype(qBound<qint64>(0, sizeHint, qint64(1) << 30)) + 1);
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (got == 0)
            return 0;
        bytes.append(chunk, qsizetype(got));
    }
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

// The files RefuseSaves named, as save targets.
QMutex refusedMutex;
QSet<QString> &refusedTargets()
{
    static QSet<QString> targets;
    return targets;
}

} // namespace

DocumentLoad ReadDocument(const QString &fileName, XmlDocument &document)
{
    const auto inaccessible = [&fileName](const QString &reason) {
        qCWarning(lcStore) << "cannot open" << fileName << reason;
        return DocumentLoad{DocumentLoad::Inaccessible, reason};
    };
    const QByteArray path = QFile::encodeName(fileName);
    // Non-blocking, so a named pipe in the file's place cannot hold the program.
    const int fd =
        path.isEmpty() ? -1 : ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (path.isEmpty() || errno == ENOENT) {
            qCDebug(lcStore) << "no file" << fileName;
            return {DocumentLoad::Missing, systemErrorText(ENOENT)};
        }
        return inaccessible(systemErrorText(errno));
    }
    struct stat info = {};
    QByteArray bytes;
    int error = 0;
    if (::fstat(fd, &info) != 0)
        error = errno;
    else if (S_ISDIR(info.st_mode))
        error = EISDIR;
    else if (!S_ISREG(info.st_mode))
        error = -1;
    else
        error = readAll(fd, info.st_size, bytes);
    ::close(fd);
    if (error == -1)
        return inaccessible(QCoreApplication::translate("DataFiles", "not a regular file"));
    if (error != 0)
        return inaccessible(systemErrorText(error));

    if (bytes.isEmpty()) {
        document.clear();
        return {DocumentLoad::Damaged,
                QCoreApplication::translate("DataFiles", "the file is empty")};
    }
    UnscrambleStream(bytes);
    if (!document.parse(bytes)) {
        qCWarning(lcStore) << fileName << "is no data file:" << document.errorText();
        return {DocumentLoad::Damaged, document.errorText()};
    }
    return {DocumentLoad::Loaded, QString()};
}

bool LoadDocument(const QString &fileName, XmlDocument &document)
{
    return ReadDocument(fileName, document).loaded();
}

bool SaveDocument(const QString &fileName, const XmlDocument &document, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (fileName.isEmpty()) {
        qCWarning(lcStore) << "save: no file name";
        return fail(QCoreApplication::translate("DataFiles", "no file name"));
    }
    if (SavesRefused(fileName)) {
        qCWarning(lcStore) << "save of" << fileName
                           << "refused: the file there could not be read, so it is kept as it is";
        return fail(QCoreApplication::translate(
            "DataFiles", "the file there could not be read, so it is not written over"));
    }
    QByteArray bytes = document.serialize();
    ScrambleStream(bytes);

    const QFileInfo target(saveTarget(fileName));
    const QByteArray targetPath = QFile::encodeName(target.absoluteFilePath());
    QByteArray tempPath = targetPath + kTempInfix + "XXXXXX";

    // mkstemp creates the file with mode 0600: the configuration holds passwords.
    const int fd = ::mkostemp(tempPath.data(), O_CLOEXEC);
    if (fd < 0) {
        const int cause = errno;
        qCWarning(lcStore, "save of %s failed: cannot create a temporary file: %s",
                  targetPath.constData(), std::strerror(cause));
        return fail(QString::fromLocal8Bit(std::strerror(cause)));
    }
    // The first failing step's errno is the reason; a later step may set another.
    int cause = 0;
    const auto step = [&cause](bool done) {
        if (!done && cause == 0)
            cause = errno;
        return done;
    };
    bool ok = step(writeAll(fd, bytes.constData(), bytes.size()));
    ok = step(::fsync(fd) == 0) && ok;
    ok = step(::close(fd) == 0) && ok;
    if (ok)
        ok = step(::rename(tempPath.constData(), targetPath.constData()) == 0);
    if (!ok) {
        qCWarning(lcStore, "save of %s failed: %s", targetPath.constData(), std::strerror(cause));
        ::unlink(tempPath.constData());
        return fail(QString::fromLocal8Bit(std::strerror(cause)));
    }
    qCDebug(lcStore, "saved %s (%lld bytes)", targetPath.constData(), qlonglong(bytes.size()));
    // The folder is not synced: after a power cut the rename may be lost,
    // which leaves the previous complete file, never a truncated one.
    return true;
}

void RefuseSaves(const QString &fileName)
{
    const QMutexLocker lock(&refusedMutex);
    refusedTargets().insert(saveTarget(fileName));
}

bool SavesRefused(const QString &fileName)
{
    const QMutexLocker lock(&refusedMutex);
    return !refusedTargets().isEmpty() && refusedTargets().contains(saveTarget(fileName));
}

bool PreserveUnreadableFile(const QString &fileName, const Clock &clock)
{
    const QFileInfo info(fileName);
    if (!info.exists() || !info.isFile() || info.size() == 0)
        return false;
    XmlDocument probe;
    if (ReadDocument(fileName, probe).outcome != DocumentLoad::Damaged)
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
           removeTempFiles(dataFolder, QFileInfo(planAlertsPath(dataFolder)).fileName()) +
           removeTempFiles(dataFolder, QFileInfo(runningJournalPath(dataFolder)).fileName()) +
           removeTempFiles(logsDir(dataFolder), statsFileFilter());
}
