#include "core/DataFolder.h"

#include "core/DateTimeFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

namespace {

QString executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    return QFileInfo(self.symLinkTarget()).absolutePath();
}

QString normalFolder()
{
    const QString exe = executableFolder();
    if (!exe.isEmpty() && (QFileInfo(configPath(exe)).isFile() || QFileInfo(logsDir(exe)).isDir()))
        return exe;
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/dialometer");
}

} // namespace

QString dataFolder(bool demo)
{
    const QString home = qEnvironmentVariable("DIALOMETER_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(QDir(home).absolutePath());
    const QString normal = QDir::cleanPath(normalFolder());
    if (!demo)
        return normal;
    return QFileInfo(normal).absolutePath() + QStringLiteral("/dialometer-demo");
}

QString configPath(const QString &folder)
{
    return folder + QStringLiteral("/dialometer.cfg");
}

QString planAlertsPath(const QString &folder)
{
    return folder + QStringLiteral("/plan-alerts.xml");
}

QString runningJournalPath(const QString &folder)
{
    return folder + QStringLiteral("/running-connection.xml");
}

QString logsDir(const QString &folder)
{
    return folder + QStringLiteral("/Logs");
}

QString statsFileName(const QDate &date)
{
    return date.toString(QStringLiteral("yy_MM")) + QStringLiteral(".sn2");
}

QDate statsFileMonth(const QString &fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d\\d)_(\\d\\d)\\.sn2$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return QDate();
    return QDate(DateTimeFormat::expandTwoDigitYear(match.captured(1).toInt()),
                 match.captured(2).toInt(), 1);
}

QString statsFileFilter()
{
    return QStringLiteral("*.sn2");
}

bool ensureFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString absolute = QDir::cleanPath(QDir(path).absolutePath());
    if (QFileInfo(absolute).isDir())
        return true;
    // Create from the top down so that every new folder gets mode 0700.
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current;
    for (const QString &part : parts) {
        current += QLatin1Char('/') + part;
        if (::mkdir(QFile::encodeName(current).constData(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return QFileInfo(absolute).isDir();
}
