#include "core/MachineText.h"

#include "core/TextForms.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <cmath>

namespace MachineText {

QString isoTime(const QVariant &days)
{
    QDate date;
    QTime time;
    if (days.isNull() || !TextForms::splitDays(days.toDouble(), &date, &time))
        return QString();
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('T') +
           time.toString(QStringLiteral("HH:mm:ss"));
}

QVariant wholeSeconds(const QVariant &days)
{
    if (days.isNull())
        return {};
    const double value = days.toDouble() * 86400.0;
    if (!std::isfinite(value) || std::fabs(value) > 9.0e15)
        return {};
    return QVariant(qint64(std::llround(value)));
}

QString plainNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return value.toString();
    case QMetaType::Double: {
        const double d = value.toDouble();
        if (!std::isfinite(d))
            return QString();
        if (d == 0.0)
            return QStringLiteral("0");
        return QString::number(d, 'f', QLocale::FloatingPointShortest);
    }
    default:
        return value.toString();
    }
}

QString csvField(const QVariant &value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() != QMetaType::QString)
        return plainNumber(value);
    const QString text = value.toString();
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace MachineText
