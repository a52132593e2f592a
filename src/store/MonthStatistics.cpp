#include "store/MonthStatistics.h"

#include "core/DataFolder.h"
#include "core/LogCategories.h"
#include "core/TextForms.h"
#include "store/StatisticsLog.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

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

QDate firstOfMonth(const QDate &date)
{
    return QDate(date.year(), date.month(), 1);
}

} // namespace

MonthStatistics::MonthStatistics(QString filePath)
    : m_filePath(std::move(filePath)), m_month(statsFileMonth(QFileInfo(m_filePath).fileName()))
{
}

MonthStatistics::MonthStatistics(QString filePath, const Clock &clock)
    : m_filePath(std::move(filePath)), m_clock(&clock),
      m_month(statsFileMonth(QFileInfo(m_filePath).fileName()))
{
}

QDateTime MonthStatistics::now() const
{
    return m_clock ? m_clock->now() : QDateTime::currentDateTime();
}

QString MonthStatistics::open()
{
    const SystemClock systemClock;
    const DocumentLoad load = OpenStatistics(m_filePath, m_document, UnreadableFile::Preserve,
                                             m_clock ? *m_clock : systemClock);
    QString error = fillTable();
    // OpenStatistics refused saves over such a file; the user hears it once, here.
    if (load.outcome == DocumentLoad::Inaccessible) {
        error = tr("The statistics file \"%1\" cannot be opened: %2. The file is left "
                   "as it is and not written while the program runs, so this month's "
                   "connections are kept in memory only.")
                    .arg(QDir::toNativeSeparators(m_filePath), load.reason);
    }
    return error;
}

QString MonthStatistics::fillTable()
{
    QString error;
    LoadStatisticsTable(m_document, m_table, &error);
    sumMonthTotals();
    return error;
}

void MonthStatistics::sumMonthTotals()
{
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
}

void MonthStatistics::AppendSession(const QStringList &record)
{
    if (!m_followsCalendar) {
        m_table.insertFirstRow(appendRecord(record));
        saveAll();
        return;
    }
    const QDate current = firstOfMonth(now().date());
    const QDate month = recordMonth(record);
    if (!month.isValid() || month == m_month) {
        m_table.insertFirstRow(appendRecord(record));
    } else {
        if (month == current) {
            turnTo(current);
            m_table.insertFirstRow(appendRecord(record));
        } else {
            appendToOtherMonth(record, month);
        }
        // The caller added the session to the totals of the month it left.
        sumMonthTotals();
    }
    saveAll();
    if (current != m_month)
        turnTo(current);
}

SessionTable::Row MonthStatistics::appendRecord(const QStringList &record)
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
    return row;
}

QDate MonthStatistics::recordMonth(const QStringList &record) const
{
    const int column = m_table.columnIndex(QStringLiteral("Time"));
    for (const QString &text : record) {
        if (column < 0 || PairName(text, QLatin1Char('=')) != QLatin1String("Time"))
            continue;
        const QVariant days = SessionTable::convertText(m_table.columns().at(column),
                                                        PairValue(text, QLatin1Char('=')));
        QDate date;
        QTime time;
        if (!days.isNull() && TextForms::splitDays(days.toDouble(), &date, &time))
            return firstOfMonth(date);
    }
    return {}; // no start time: the record stays in the month at hand
}

QString MonthStatistics::monthFilePath(const QDate &month) const
{
    return QDir(QFileInfo(m_filePath).absolutePath()).filePath(statsFileName(month));
}

bool MonthStatistics::takeLeftBehind(const QString &filePath, XmlDocument &document)
{
    const auto kept = std::find_if(m_leftBehind.begin(), m_leftBehind.end(),
                                   [&](const UnsavedMonth &m) { return m.filePath == filePath; });
    if (kept == m_leftBehind.end())
        return false;
    document = kept->document;
    m_leftBehind.erase(kept);
    return true;
}

void MonthStatistics::appendToOtherMonth(const QStringList &record, const QDate &month)
{
    const QString filePath = monthFilePath(month);
    const SystemClock systemClock;
    MonthStatistics other(filePath, m_clock ? *m_clock : systemClock);
    // A month still waiting to be written has newer records than its file.
    if (takeLeftBehind(filePath, other.m_document))
        other.fillTable();
    else
        other.open();
    other.m_table.insertFirstRow(other.appendRecord(record));
    m_leftBehind.push_back({filePath, other.m_document});
}

bool MonthStatistics::save()
{
    return saveAll();
}

bool MonthStatistics::saveAll()
{
    QString failedFile;
    QString reason;
    for (auto it = m_leftBehind.begin(); it != m_leftBehind.end();) {
        QString error;
        if (SaveStatistics(it->filePath, it->document, &error)) {
            it = m_leftBehind.erase(it);
        } else {
            if (failedFile.isEmpty()) {
                failedFile = it->filePath;
                reason = error;
            }
            ++it;
        }
    }
    QString error;
    m_unsaved = !SaveStatistics(m_filePath, m_document, &error);
    if (m_unsaved && failedFile.isEmpty()) {
        failedFile = m_filePath;
        reason = error;
    }
    if (failedFile.isEmpty()) {
        m_failing = false;
        return true;
    }
    if (!m_failing) {
        m_failing = true;
        if (m_saveFailed)
            m_saveFailed(failedFile, reason);
    }
    return false;
}

void MonthStatistics::followCalendar()
{
    m_followsCalendar = true;
}

QString MonthStatistics::turnTo(const QDate &month)
{
    const QDate first = firstOfMonth(month);
    if (first == m_month)
        return {};
    if (m_unsaved)
        m_leftBehind.push_back({m_filePath, m_document});
    const QString filePath = monthFilePath(first);
    qCInfo(lcStore) << "the month's statistics turn from" << m_filePath << "to" << filePath;
    m_filePath = filePath;
    m_month = first;
    // The clock set back to a month still waiting to be written takes it up.
    m_unsaved = takeLeftBehind(filePath, m_document);
    if (m_unsaved)
        return fillTable();
    m_document = XmlDocument();
    return open();
}

void MonthStatistics::addToMonthTotals(double days, double cost)
{
    m_monthTime += days;
    m_monthCost += cost;
}
