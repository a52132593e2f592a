#include "settings/AutostartEntry.h"

#include "core/Version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStringList>

Q_LOGGING_CATEGORY(lcAutostart, "dialometer.settings.autostart", QtWarningMsg)

namespace {

struct EntryKeys
{
    bool exists = false;
    bool hidden = false;
    QString exec;
};

// Only the [Desktop Entry] group counts; the keys this program reads.
EntryKeys readEntry(const QString &path)
{
    EntryKeys keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    keys.exists = true;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inMainGroup)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Hidden"))
            keys.hidden = value == QLatin1String("true");
        else if (key == QLatin1String("Exec"))
            keys.exec = value;
    }
    return keys;
}

// The first argument of an Exec value, with the quoting of the desktop entry
// format undone.
QString programOfExec(const QString &exec)
{
    if (!exec.startsWith(QLatin1Char('"')))
        return exec.section(QLatin1Char(' '), 0, 0);
    QString program;
    for (qsizetype i = 1; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
            program += exec.at(++i);
            continue;
        }
        if (c == QLatin1Char('"'))
            break;
        program += c;
    }
    return program;
}

QString quotedProgram(const QString &path)
{
    static const QString plain =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789/._-+");
    bool needsQuotes = false;
    for (const QChar c : path)
        needsQuotes = needsQuotes || !plain.contains(c);
    if (!needsQuotes)
        return path;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // "%" is the field code marker and is doubled in any case.
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    // A backslash in a value is itself escaped by the format's string rules.
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return quoted + QLatin1Char('"');
}

} // namespace

namespace AutostartEntry {

QString filePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/autostart/dialometer.desktop");
}

bool isEnabled()
{
    const EntryKeys keys = readEntry(filePath());
    return keys.exists && !keys.hidden;
}

QString executable()
{
    QString exec = readEntry(filePath()).exec;
    exec.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    exec.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return programOfExec(exec);
}

bool apply(bool enabled, const QString &executablePath)
{
    const QString path = filePath();
    if (!enabled) {
        if (!QFile::exists(path))
            return true;
        if (QFile::remove(path))
            return true;
        qCWarning(lcAutostart) << "cannot remove" << path;
        return false;
    }
    if (isEnabled() && executable() == executablePath)
        return true;

    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        qCWarning(lcAutostart) << "cannot create the folder of" << path;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        qCWarning(lcAutostart) << "cannot write" << path << file.errorString();
        return false;
    }
    const QString name = QString::fromLatin1(kApplicationName);
    const QStringList lines = {
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + name,
        QStringLiteral("Comment=Counts the time and cost of metered connections"),
        QStringLiteral("Exec=") + quotedProgram(executablePath),
        QStringLiteral("Icon=dialometer"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("X-GNOME-Autostart-enabled=true"),
    };
    file.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
    if (!file.commit()) {
        qCWarning(lcAutostart) << "cannot write" << path << file.errorString();
        return false;
    }
    return true;
}

} // namespace AutostartEntry
