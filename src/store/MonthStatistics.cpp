#include "store/MonthStatistics.h"

#include "store/StatisticsLog.h"

#include <QDir>

namespace {

bool isXmlName(const QString &name)
{
    if (name.isEmpty() || !(name[0].isLetter() || name[0] == QLatin1Char('_')))
        return false;
    for (const QChar c : name) {
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-') ||
              c == QLatin1Char('.')))
            return false;
    }
    return true;
}

} // namespace

MonthStatistics::MonthStatistics(QString filePath) : m_filePath(std::move(filePath)) {}

MonthStatistics::MonthStatistics(QString filePath, const Clock &clock)
    : m_filePath(std::move(filePath)), m_clock(&clock)
{
}

QString MonthStatistics::open()
{
    const SystemClock systemClock;
    const DocumentLoad load = OpenStatistics(m_filePath, m_document, UnreadableFile::Preserve,
                                             m_clock ? *m_clock : systemClock);
    QString error;
    LoadStatisticsTable(m_document, m_table, &error);
    // OpenStatistics refused saves over such a file; the user hears it once, here.
    if (load.outcome == DocumentLoad::Inaccessible) {
        error = QStringLiteral("The statistics file \"%1\" cannot be opened: %2. The file is left "
                               "as it is and not written while the program runs, so this month's "
                               "connections are kept in memory only.")
                    .arg(QDir::toNativeSeparators(m_filePath), load.reason);
    }

    // Rows with an empty Cost or Duration (only a damaged or hand-edited
    // file has them) add nothing.
    m_monthTime = 0;
    m_monthCost = 0;
    const int cost = m_table.columnIndex(QStringLiteral("Cost"));
    const int duration = m_table.columnIndex(QStringLiteral("Duration"));
    for (int row = 0; row < m_table.rowCount(); ++row) {
        const QVariant c = m_table.value(row, cost);
        const QVariant d = m_table.value(row, duration);
        if (!c.isNull())
            m_monthCost += c.toDouble();
        if (!d.isNull())
            m_monthTime += d.toDouble();
    }
    return error;
}

void MonthStatistics::AppendSession(const QStringList &record)
{
    pugi::xml_node data = m_document.root().child("Data");
    if (!data) {
        // open() was not called, or the document lost its structure.
        EnsureStatisticsStructure(m_document);
        data = m_document.root().child("Data");
    }
    pugi::xml_node line = data.append_child("Line");

    SessionTable::Row row = m_table.emptyRow();
    for (const QString &text : record) {
        const QString name = PairName(text, QLatin1Char('='));
        const QString value = PairValue(text, QLatin1Char('='));
        // A name that is no XML name would make the whole file unreadable.
        if (!isXmlName(name))
            continue;
        const int column = m_table.columnIndex(name);
        if (column >= 0 && name != QLatin1String("TrafficSum"))
            row[column] = SessionTable::convertText(m_table.columns().at(column), value);
        setAttributeText(line, name.toUtf8().constData(), value);
    }
    const int sum = m_table.columnIndex(QStringLiteral("TrafficSum"));
    if (sum >= 0) {
        const int in = m_table.columnIndex(QStringLiteral("TrafficIn"));
        const int out = m_table.columnIndex(QStringLiteral("TrafficOut"));
        row[sum] = (in >= 0 && out >= 0) ? TrafficSumOf(row[in], row[out]) : QVariant();
    }
    m_table.insertFirstRow(row);
    save();
}

bool MonthStatistics::save()
{
    return SaveStatistics(m_filePath, m_document);
}

void MonthStatistics::addToMonthTotals(double days, double cost)
{
    m_monthTime += days;
    m_monthCost += cost;
}
