#include "stats/SessionCsvExport.h"

#include "core/TextForms.h"
#include "stats/StatisticModel.h"

#include <QDate>
#include <QLocale>
#include <QSaveFile>
#include <QStringList>
#include <QTime>

#include <cmath>

namespace {

QString isoTime(const QVariant &days)
{
    QDate date;
    QTime time;
    if (days.isNull() || !TextForms::splitDays(days.toDouble(), &date, &time))
        return QString();
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('T') +
           time.toString(QStringLiteral("HH:mm:ss"));
}

QString seconds(const QVariant &days)
{
    if (days.isNull())
        return QString();
    const double value = days.toDouble() * 86400.0;
    if (!std::isfinite(value) || std::fabs(value) > 9.0e15)
        return QString();
    return QString::number(std::llround(value));
}

QString number(const QVariant &value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() != QMetaType::Double)
        return value.toString();
    const double d = value.toDouble();
    if (!std::isfinite(d))
        return QString();
    return d == 0.0 ? QStringLiteral("0") : QString::number(d, 'f', QLocale::FloatingPointShortest);
}

QString field(const QVariant &value)
{
    const QString text = value.toString();
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString SessionCsvExport::text(const StatisticModel &model)
{
    using M = StatisticModel;
    QString out = QStringLiteral(
        "Time,Duration,TrafficIn,TrafficOut,TrafficSum,Cost,Speed,ConnectName,UserName\n");
    for (int r = 0; r < model.rowCount(); ++r) {
        const QStringList fields = {
            isoTime(model.value(r, M::Session)),   seconds(model.value(r, M::Duration)),
            number(model.value(r, M::TrafficIn)),  number(model.value(r, M::TrafficOut)),
            number(model.value(r, M::TrafficSum)), number(model.value(r, M::Cost)),
            number(model.value(r, M::Speed)),      field(model.value(r, M::ISP)),
            field(model.value(r, M::UserName))};
        out += fields.join(QLatin1Char(','));
        out += QLatin1Char('\n');
    }
    return out;
}

bool SessionCsvExport::write(const StatisticModel &model, const QString &fileName, QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    file.write(text(model).toUtf8());
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
