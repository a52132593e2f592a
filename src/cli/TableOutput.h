#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVariant>

// The machine-readable forms of the tool's tables. Values are QVariant: null
// (an empty column), qint64, double or QString. Numbers are written plainly
// with "." as the decimal point, whatever the user's locale.
class TableOutput
{
public:
    enum class Format { Text, Csv, Json };
    using Row = QList<QVariant>;

    // "text", "csv" or "json"; false for anything else.
    static bool parseFormat(const QString &name, Format *format);

    // A number as plain text: the shortest form that reads back to the same
    // double, without exponent; integers as they are.
    static QString plainNumber(const QVariant &value);
    static QString csvField(const QVariant &value);
    static QString jsonValue(const QVariant &value);
    static QString jsonString(const QString &text);

    // Header line and one line per row.
    static void writeCsv(QTextStream &out, const QStringList &columns, const QList<Row> &rows);
    // {"name": value, ...} on one line.
    static QString jsonObject(const QStringList &names, const Row &values);
    // Text columns padded to a common width; right-aligned where numeric.
    static void writeAligned(QTextStream &out, const QList<QStringList> &lines,
                             const QList<bool> &rightAligned);
};
