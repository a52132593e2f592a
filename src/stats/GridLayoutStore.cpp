#include "stats/GridLayoutStore.h"

#include <QSettings>
#include <QStringList>

namespace {

const QString kValuePrefix = QStringLiteral("DBGridEh.");

QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Dialometer"),
                     QStringLiteral("Dialometer"));
}

} // namespace

const QString &GridLayoutStore::group()
{
    static const QString name = QStringLiteral("TStatistic.DBGridEh");
    return name;
}

bool GridLayoutStore::parse(const QString &text, Column *column)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 7)
        return false;
    int values[7];
    for (int i = 0; i < 7; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return false;
    }
    if (values[0] < 0 || values[1] < 0 || values[2] < 0 || values[2] > 2 ||
        (values[3] != 0 && values[3] != 1) || values[4] < 0)
        return false;
    *column = {values[0], values[1], values[2], values[3], values[4], values[5], values[6]};
    return true;
}

QString GridLayoutStore::format(const Column &c)
{
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
        .arg(c.position)
        .arg(c.width)
        .arg(c.marker)
        .arg(c.visible)
        .arg(c.sortPlace)
        .arg(c.dropDownRows)
        .arg(c.dropDownWidth);
}

QHash<QString, GridLayoutStore::Column> GridLayoutStore::read()
{
    QHash<QString, Column> columns;
    QSettings settings = userSettings();
    settings.beginGroup(group());
    const QStringList keys = settings.childKeys();
    for (const QString &key : keys) {
        if (!key.startsWith(kValuePrefix))
            continue;
        Column column;
        if (parse(settings.value(key).toString(), &column))
            columns.insert(key.mid(kValuePrefix.size()), column);
    }
    return columns;
}

void GridLayoutStore::write(const QList<QPair<QString, Column>> &columns)
{
    QSettings settings = userSettings();
    settings.remove(group());
    settings.beginGroup(group());
    for (const auto &[field, column] : columns)
        settings.setValue(kValuePrefix + field, format(column));
    settings.endGroup();
    settings.sync();
}
