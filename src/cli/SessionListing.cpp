#include "cli/SessionListing.h"

#include "cli/CliContext.h"
#include "cli/DataFileReader.h"
#include "core/MachineText.h"
#include "core/TextForms.h"
#include "store/SessionTable.h"
#include "store/StatisticsLog.h"
#include "store/XmlDocument.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

QVariant nameValue(const pugi::xml_node &line, const char *attribute)
{
    const QString text = attributeText(line, attribute);
    return text.trimmed().isEmpty() ? QVariant() : QVariant(text);
}

} // namespace

const QStringList &SessionListing::columnNames()
{
    static const QStringList names = {
        QStringLiteral("Time"),       QStringLiteral("Duration"),    QStringLiteral("TrafficIn"),
        QStringLiteral("TrafficOut"), QStringLiteral("TrafficSum"),  QStringLiteral("Cost"),
        QStringLiteral("Speed"),      QStringLiteral("ConnectName"), QStringLiteral("UserName")};
    return names;
}

bool SessionListing::load(const QString &fileName, QList<TableOutput::Row> *rows, QString *problem,
                          QString *warning)
{
    XmlDocument document;
    if (!DataFileReader::read(fileName, document, problem))
        return false;
    // As the program opens it: whatever Struct the file holds, the standard
    // columns are read.
    EnsureStatisticsStructure(document);
    SessionTable table;
    QString error;
    if (!LoadStatisticsTable(document, table, &error)) {
        *problem = CliText::tr("not a statistics file: %1").arg(error);
        return false;
    }
    // Table rows are the children of Data in reverse order; the names are
    // taken from the file, where they are not cut.
    std::vector<pugi::xml_node> lines;
    for (pugi::xml_node line = document.root().child("Data").first_child(); line;
         line = line.next_sibling())
        lines.push_back(line);
    if (qsizetype(lines.size()) != table.rowCount()) {
        *problem = CliText::tr("not a statistics file: its rows do not match its lines");
        return false;
    }
    std::reverse(lines.begin(), lines.end());

    rows->reserve(rows->size() + table.rowCount());
    int unreadable = 0;
    for (int r = 0; r < table.rowCount(); ++r) {
        TableOutput::Row row;
        row.reserve(columnNames().size());
        for (int c = Time; c <= Speed; ++c) {
            const QString &name = columnNames().at(c);
            row.append(table.value(r, name));
            // A text that is there but could not be read was most likely
            // written under other regional settings.
            if (row.last().isNull() && c != TrafficSum &&
                !attributeText(lines[r], name.toUtf8().constData()).trimmed().isEmpty())
                ++unreadable;
        }
        row.append(nameValue(lines[r], "ConnectName"));
        row.append(nameValue(lines[r], "UserName"));
        rows->append(row);
    }
    if (warning) {
        warning->clear();
        if (unreadable > 0) {
            // The regional forms by name: the language of texts may differ.
            *warning = CliText::tr("%n value(s) could not be read under the current regional "
                                   "settings (%1) and are left empty",
                                   nullptr, unreadable)
                           .arg(TextForms::regionalFormsName());
        }
    }
    return true;
}

SessionListing::Totals SessionListing::totals(const QList<TableOutput::Row> &rows)
{
    Totals totals;
    for (const TableOutput::Row &row : rows) {
        ++totals.count;
        totals.durationDays += row[Duration].toDouble();
        totals.trafficIn += row[TrafficIn].toLongLong();
        totals.trafficOut += row[TrafficOut].toLongLong();
        totals.trafficSum += row[TrafficSum].toLongLong();
        totals.cost += row[Cost].toDouble();
    }
    return totals;
}

QString SessionListing::isoTime(const QVariant &days)
{
    return MachineText::isoTime(days);
}

QVariant SessionListing::seconds(const QVariant &days)
{
    return MachineText::wholeSeconds(days);
}
