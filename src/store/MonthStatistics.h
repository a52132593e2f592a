#pragma once

#include "core/Clock.h"
#include "store/SessionTable.h"
#include "store/XmlDocument.h"

#include <QString>
#include <QStringList>

// The month's statistics log of the running program: the document, its
// table and the month totals, bound to one file for the whole run.
//
// Naming: AppendSession(), MonthTime() and MonthCost() keep their design
// names, as do the program's names for what this holds (the document is
// XML_Statistic, the table MemTable); the rest follows Qt's style.
class MonthStatistics
{
public:
    explicit MonthStatistics(QString filePath);
    // clock names the time of a kept unreadable file; it must outlive this object.
    MonthStatistics(QString filePath, const Clock &clock);

    // Opens the file (a fresh document when it is missing or unreadable; a
    // damaged file is kept aside first, one that cannot be opened stays and
    // is never saved over), fills the table and sums the month totals.
    // Returns the table-load error text or why the file cannot be opened, or
    // empty.
    QString open();
    // Adds a session record ("Time=...", "Duration=", ...) to the document
    // and in front of the table, then writes the whole file.
    void AppendSession(const QStringList &record);
    // Writes the whole file; true on success.
    bool save();

    double MonthTime() const { return m_monthTime; }
    double MonthCost() const { return m_monthCost; }
    void addToMonthTotals(double days, double cost);

    XmlDocument &document() { return m_document; }
    SessionTable &table() { return m_table; }
    QString filePath() const { return m_filePath; }

private:
    QString m_filePath;
    const Clock *m_clock = nullptr; // null: the system clock
    XmlDocument m_document;
    SessionTable m_table;
    double m_monthTime = 0;
    double m_monthCost = 0;
};
