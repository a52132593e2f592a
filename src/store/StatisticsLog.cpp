#include "store/StatisticsLog.h"

#include "store/DataFiles.h"
#include "store/SessionTable.h"

#include <QCoreApplication>
#include <QVarLengthArray>

#include <algorithm>
#include <cstring>

const QStringList StatisticsFieldDefinitions = {
    QStringLiteral("Duration=11"),   QStringLiteral("TrafficIn=3"), QStringLiteral("TrafficOut=3"),
    QStringLiteral("Cost=6"),        QStringLiteral("Time=11"),     QStringLiteral("Speed=6"),
    QStringLiteral("ConnectName=1"), QStringLiteral("UserName=1"),
};

const QStringList SessionRecordNames = {
    QStringLiteral("Time"),        QStringLiteral("Duration"), QStringLiteral("TrafficIn"),
    QStringLiteral("TrafficOut"),  QStringLiteral("Cost"),     QStringLiteral("Speed"),
    QStringLiteral("ConnectName"), QStringLiteral("UserName"),
};

DocumentLoad OpenStatistics(const QString &fileName, XmlDocument &document,
                            UnreadableFile unreadable, const Clock &clock)
{
    const DocumentLoad load = ReadDocument(fileName, document);
    if (load.loaded()) {
        EnsureStatisticsStructure(document);
        return load;
    }
    if (unreadable == UnreadableFile::Preserve) {
        if (load.outcome == DocumentLoad::Damaged)
            PreserveUnreadableFile(fileName, clock);
        else if (load.outcome == DocumentLoad::Inaccessible)
            RefuseSaves(fileName);
    }
    NewStatistics(document);
    return load;
}

void NewStatistics(XmlDocument &document)
{
    // A document that still holds another file would refuse a second root.
    document.clear();
    pugi::xml_node root = document.addRoot("MainContent");
    root.append_child("Struct");
    root.append_child("Data");
    EnsureStatisticsStructure(document);
}

void EnsureStatisticsStructure(XmlDocument &document)
{
    pugi::xml_node root = document.root();
    if (!root)
        root = document.addRoot("MainContent");
    pugi::xml_node structure = root.child("Struct");
    if (!structure)
        structure = root.append_child("Struct");
    while (pugi::xml_node child = structure.first_child())
        structure.remove_child(child);
    for (const QString &definition : StatisticsFieldDefinitions) {
        pugi::xml_node field = structure.append_child("Field");
        setAttributeText(field, "Name", PairName(definition, QLatin1Char('=')));
        setAttributeText(field, "DataType", PairValue(definition, QLatin1Char('=')));
    }
    if (!root.child("Data"))
        root.append_child("Data");
}

bool SaveStatistics(const QString &fileName, const XmlDocument &document, QString *error)
{
    return SaveDocument(fileName, document, error);
}

QVariant TrafficSumOf(const QVariant &trafficIn, const QVariant &trafficOut)
{
    if (trafficIn.isNull() || trafficOut.isNull())
        return {};
    qint64 sum = 0;
    if (__builtin_add_overflow(trafficIn.toLongLong(), trafficOut.toLongLong(), &sum))
        return {};
    return sum;
}

namespace {

struct TableColumn
{
    QByteArray attribute;
    SessionTable::ColumnType type;
};

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool LoadStatisticsTable(const XmlDocument &document, SessionTable &table, QString *error)
{
    table.clear();
    if (error)
        error->clear();

    const pugi::xml_node root = document.root();
    if (!root)
        return fail(error, QCoreApplication::translate(
                               "StatisticsLog", "The statistics document has no root element."));
    const pugi::xml_node structure = root.child("Struct");
    if (!structure)
        return fail(error, QCoreApplication::translate(
                               "StatisticsLog", "The statistics document has no Struct element."));

    QList<TableColumn> columns;
    for (pugi::xml_node field = structure.first_child(); field; field = field.next_sibling()) {
        const QString name = attributeText(field, "Name");
        SessionTable::ColumnType type = SessionTable::ColumnType::Text;
        if (hasAttribute(field, "DataType")) {
            bool ok = false;
            const int code = attributeText(field, "DataType").trimmed().toInt(&ok);
            if (!ok || !SessionTable::columnTypeFromCode(code, &type)) {
                return fail(error,
                            QCoreApplication::translate(
                                "StatisticsLog", "Column \"%1\" has an unknown data type \"%2\".")
                                .arg(name, attributeText(field, "DataType")));
            }
        }
        table.addColumn(name, type);
        columns.append({name.toUtf8(), type});
    }
    table.addColumn(QStringLiteral("TrafficSum"), SessionTable::ColumnType::Integer);

    const pugi::xml_node data = root.child("Data");
    if (!data)
        return fail(error, QCoreApplication::translate(
                               "StatisticsLog", "The statistics document has no Data element."));

    // The traffic columns are needed only once there is a row to sum.
    const int inColumn = table.columnIndex(QStringLiteral("TrafficIn"));
    const int outColumn = table.columnIndex(QStringLiteral("TrafficOut"));
    const int sumColumn = int(columns.size());
    if (data.first_child()) {
        if (inColumn < 0 || inColumn >= sumColumn)
            return fail(error, QCoreApplication::translate("StatisticsLog",
                                                           "Field 'TrafficIn' not found."));
        if (outColumn < 0 || outColumn >= sumColumn)
            return fail(error, QCoreApplication::translate("StatisticsLog",
                                                           "Field 'TrafficOut' not found."));
    }

    // Read in file order, then turn round: the table holds the most recent first.
    const QLocale locale = QLocale::system();
    const QList<SessionTable::Column> tableColumns = table.columns();
    // Lines nearly always list their attributes in the same order: remember
    // which column the attribute at each position was, and try that first.
    QList<int> columnAtPosition;
    QList<SessionTable::Row> rows;
    QVarLengthArray<bool, 16> seen(columns.size());
    for (pugi::xml_node line = data.first_child(); line; line = line.next_sibling()) {
        SessionTable::Row row(columns.size() + 1);
        std::fill(seen.begin(), seen.end(), false);
        int position = 0;
        for (pugi::xml_attribute a = line.first_attribute(); a;
             a = a.next_attribute(), ++position) {
            if (position == columnAtPosition.size())
                columnAtPosition.append(-1);
            int c = columnAtPosition[position];
            if (c < 0 || std::strcmp(columns[c].attribute.constData(), a.name()) != 0) {
                c = -1;
                for (int i = 0; i < columns.size(); ++i) {
                    if (std::strcmp(columns[i].attribute.constData(), a.name()) == 0) {
                        c = i;
                        break;
                    }
                }
                columnAtPosition[position] = c;
            }
            // A repeated name counts once, as a lookup by name would find it.
            if (c >= 0 && !seen[c]) {
                seen[c] = true;
                row[c] = SessionTable::convertText(tableColumns[c], QString::fromUtf8(a.value()),
                                                   locale);
            }
        }
        row[sumColumn] = TrafficSumOf(row[inColumn], row[outColumn]);
        rows.append(std::move(row));
    }
    std::reverse(rows.begin(), rows.end());
    table.setRows(std::move(rows));
    return true;
}

QString PairName(const QString &text, QChar separator)
{
    const qsizetype at = text.indexOf(separator);
    return at < 0 ? QString() : text.left(at);
}

QString PairValue(const QString &text, QChar separator)
{
    const qsizetype at = text.indexOf(separator);
    return at < 0 ? QString() : text.mid(at + 1);
}
