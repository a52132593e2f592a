#include "cli/TableOutput.h"

#include "core/MachineText.h"

#include <QLocale>

#include <cmath>

bool TableOutput::parseFormat(const QString &name, Format *format)
{
    if (name == QLatin1String("text"))
        *format = Format::Text;
    else if (name == QLatin1String("csv"))
        *format = Format::Csv;
    else if (name == QLatin1String("json"))
        *format = Format::Json;
    else
        return false;
    return true;
}

QString TableOutput::plainNumber(const QVariant &value)
{
    return MachineText::plainNumber(value);
}

QString TableOutput::csvField(const QVariant &value)
{
    return MachineText::csvField(value);
}

QJsonValue TableOutput::jsonValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
        return value.toLongLong();
    case QMetaType::Double:
        if (std::isfinite(value.toDouble()))
            return value.toDouble();
        return QJsonValue::Null;
    default:
        return value.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(value.toString());
    }
}

void TableOutput::writeCsv(QTextStream &out, const QStringList &columns, const QList<Row> &rows)
{
    out << columns.join(QLatin1Char(',')) << '\n';
    for (const Row &row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const QVariant &value : row)
            fields.append(csvField(value));
        out << fields.join(QLatin1Char(',')) << '\n';
    }
}

QJsonObject TableOutput::jsonObject(const QStringList &names, const Row &values)
{
    QJsonObject object;
    for (qsizetype i = 0; i < names.size(); ++i)
        object.insert(names[i], jsonValue(i < values.size() ? values[i] : QVariant()));
    return object;
}

void TableOutput::writeJson(QTextStream &out, const QJsonDocument &document,
                            QJsonDocument::JsonFormat format)
{
    QByteArray text = document.toJson(format);
    if (!text.endsWith('\n'))
        text += '\n';
    out << text;
}

void TableOutput::writeAligned(QTextStream &out, const QList<QStringList> &lines,
                               const QList<bool> &rightAligned)
{
    QList<qsizetype> widths;
    for (const QStringList &line : lines) {
        for (qsizetype c = 0; c < line.size(); ++c) {
            if (widths.size() <= c)
                widths.append(0);
            widths[c] = std::max(widths[c], line[c].size());
        }
    }
    for (const QStringList &line : lines) {
        QString text;
        for (qsizetype c = 0; c < line.size(); ++c) {
            if (c > 0)
                text += QLatin1String("  ");
            const bool right = c < rightAligned.size() && rightAligned[c];
            text += right ? line[c].rightJustified(widths[c]) : line[c].leftJustified(widths[c]);
        }
        // No padding at the end of a line.
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        out << text << '\n';
    }
}
