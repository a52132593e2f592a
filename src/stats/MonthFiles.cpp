#include "stats/MonthFiles.h"

#include "core/DateTimeFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

QDate MonthFiles::monthOf(const QString &fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d\\d)_(\\d\\d)\\.sn2$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(QFileInfo(fileName).fileName());
    if (!match.hasMatch())
        return {};
    return QDate(DateTimeFormat::expandTwoDigitYear(match.captured(1).toInt()),
                 match.captured(2).toInt(), 1);
}

QStringList MonthFiles::list(const QString &logsDir)
{
    const QDir dir(logsDir);
    QList<QPair<QDate, QString>> months;
    const QStringList names = dir.entryList({QStringLiteral("*.sn2")}, QDir::Files);
    for (const QString &name : names) {
        const QDate month = monthOf(name);
        if (month.isValid())
            months.append({month, dir.filePath(name)});
    }
    std::sort(months.begin(), months.end());
    QStringList paths;
    for (const auto &month : months)
        paths.append(month.second);
    return paths;
}

QString MonthFiles::previous(const QString &logsDir, const QString &fileName)
{
    const QDate shown = monthOf(fileName);
    if (!shown.isValid())
        return {};
    QString found;
    for (const QString &path : list(logsDir)) {
        if (monthOf(path) < shown)
            found = path;
    }
    return found;
}

QString MonthFiles::next(const QString &logsDir, const QString &fileName)
{
    const QDate shown = monthOf(fileName);
    if (!shown.isValid())
        return {};
    for (const QString &path : list(logsDir)) {
        if (monthOf(path) > shown)
            return path;
    }
    return {};
}
