#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
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
    // null, a number or a string; a number that is not finite is null.
    static QJsonValue jsonValue(const QVariant &value);

    // Header line and one line per row.
    static void writeCsv(QTextStream &out, const QStringList &columns, const QList<Row> &rows);
    // {"name": value, ...}
    static QJsonObject jsonObject(const QStringList &names, const Row &values);
    // The tool's JSON: indented, or on one line where a command answers with
    // a single object.
    static void writeJson(QTextStream &out, const QJsonDocument &document,
                          QJsonDocument::JsonFormat format = QJsonDocument::Indented);
    // Text columns padded to a common width; right-aligned where numeric.
    static void writeAligned(QTextStream &out, const QList<QStringList> &lines,
                             const QList<bool> &rightAligned);
};
