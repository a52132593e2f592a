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

QString TableOutput::jsonString(const QString &text)
{
    QString result = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"':
            result += QLatin1String("\\\"");
            break;
        case '\\':
            result += QLatin1String("\\\\");
            break;
        case '\n':
            result += QLatin1String("\\n");
            break;
        case '\r':
            result += QLatin1String("\\r");
            break;
        case '\t':
            result += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                result += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                result += c;
        }
    }
    return result + QLatin1Char('"');
}

QString TableOutput::jsonValue(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("null");
    if (value.typeId() == QMetaType::QString)
        return jsonString(value.toString());
    const QString number = plainNumber(value);
    return number.isEmpty() ? QStringLiteral("null") : number;
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

QString TableOutput::jsonObject(const QStringList &names, const Row &values)
{
    QString text = QStringLiteral("{");
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += QLatin1String(", ");
        text += jsonString(names[i]) + QLatin1String(": ") +
                jsonValue(i < values.size() ? values[i] : QVariant());
    }
    return text + QLatin1Char('}');
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
