#include "backends/PppPidFile.h"

#include "core/LogCategories.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sys/stat.h>

namespace {

// An interface name as the kernel allows it: no slash, no blank, not "." or "..".
bool isInterfaceName(const QString &name)
{
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z0-9_.:-]{1,15}$"));
    return valid.match(name).hasMatch() && name != QLatin1String(".") &&
           name != QLatin1String("..");
}

QString linkFileName(const QString &linkName)
{
    return QLatin1String("ppp-") + linkName + QLatin1String(".pid");
}

} // namespace

QStringList PppPidFile::defaultFolders()
{
    return {QStringLiteral("/run"), QStringLiteral("/var/run")};
}

QString PppPidFile::nameFilter()
{
    return QStringLiteral("ppp*.pid");
}

bool PppPidFile::read(const QFileInfo &file, PppPidFile *out)
{
    static const QRegularExpression unitFile(QStringLiteral("^(ppp[0-9]+)\\.pid$"));
    static const QRegularExpression linkFile(QStringLiteral("^ppp-(.+)\\.pid$"));
    const auto unit = unitFile.match(file.fileName());
    const auto link = linkFile.match(file.fileName());
    if (!unit.hasMatch() && !link.hasMatch())
        return false;

    QFile pidFile(file.filePath());
    if (!pidFile.open(QIODevice::ReadOnly)) {
        qCWarning(lcPppd) << "cannot read pid file" << file.filePath() << pidFile.errorString();
        return false;
    }
    const QList<QByteArray> lines = pidFile.read(4096).split('\n');
    bool ok = false;
    const qint64 pid = lines.value(0).trimmed().toLongLong(&ok);
    if (!ok || pid <= 0) {
        qCWarning(lcPppd) << "pid file" << file.filePath() << "holds no process id";
        return false;
    }

    PppPidFile result;
    result.pid = pid;
    result.writtenAtMs = file.lastModified().toMSecsSinceEpoch();
    if (unit.hasMatch()) {
        result.interfaceName = unit.captured(1);
    } else {
        result.linkName = link.captured(1);
        const QString iface = QString::fromLocal8Bit(lines.value(1).trimmed());
        if (isInterfaceName(iface))
            result.interfaceName = iface;
    }
    *out = result;
    return true;
}

qint64 PppPidFile::linkWrittenAtMs(const QStringList &folders, const QString &linkName)
{
    for (const QString &folder : folders) {
        const QByteArray path =
            QFile::encodeName(folder + QLatin1Char('/') + linkFileName(linkName));
        struct stat info;
        if (::stat(path.constData(), &info) == 0)
            return qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
    }
    return -1;
}
