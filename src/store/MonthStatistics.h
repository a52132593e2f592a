#pragma once

#include "core/Clock.h"
#include "store/SessionTable.h"
#include "store/XmlDocument.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// A month's statistics log: the document, its table and the month totals,
// bound to one file; the running program's log follows the calendar from
// month to month (followCalendar()).
//
// Naming: AppendSession(), MonthTime() and MonthCost() keep their design
// names, as do the program's names for what this holds (the document is
// XML_Statistic, the table MemTable); the rest follows Qt's style.
class MonthStatistics
{
    Q_DECLARE_TR_FUNCTIONS(MonthStatistics)

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
    // and in front of the table, then writes the whole file. A log that
    // follows the calendar first finds the record's month (see below).
    void AppendSession(const QStringList &record);
    // Writes the whole file, and first any month left behind unsaved; true
    // when every file was written.
    bool save();

    // The running program's log: the file is a month file ("yy_mm.sn2") and
    // from now on the log keeps to the calendar. A record goes to the file of
    // the month its Time falls in, so a connection over midnight at the end
    // of a month stays with the month it began in; the first append after
    // the clock's month has changed, or turnTo(), opens the new month's file.
    void followCalendar();
    // The first day of the month the file holds; invalid when its name is
    // not a month file's.
    QDate month() const { return m_month; }
    bool followsCalendar() const { return m_followsCalendar; }
    // Makes month's file (opened, or created at the next save) the log's
    // file, table and totals. A month left with unsaved records stays in
    // memory and is written by every later save. Returns what open() returns.
    QString turnTo(const QDate &month);

    // Told when a save fails after the last save succeeded (so once for a
    // run of failures): the file and the reason. The records stay in memory.
    using SaveFailureHandler = std::function<void(const QString &file, const QString &reason)>;
    void setSaveFailureHandler(SaveFailureHandler handler) { m_saveFailed = std::move(handler); }

    double MonthTime() const { return m_monthTime; }
    double MonthCost() const { return m_monthCost; }
    void addToMonthTotals(double days, double cost);

    XmlDocument &document() { return m_document; }
    SessionTable &table() { return m_table; }
    QString filePath() const { return m_filePath; }

private:
    // A month's document that could not be written when the log turned.
    struct UnsavedMonth
    {
        QString filePath;
        XmlDocument document;
    };

    QDateTime now() const;
    QString fillTable();
    QString monthFilePath(const QDate &month) const;
    // Moves a left-behind month's document out; false when there is none.
    bool takeLeftBehind(const QString &filePath, XmlDocument &document);
    SessionTable::Row appendRecord(const QStringList &record);
    void sumMonthTotals();
    QDate recordMonth(const QStringList &record) const;
    void appendToOtherMonth(const QStringList &record, const QDate &month);
    bool saveAll();

    QString m_filePath;
    const Clock *m_clock = nullptr; // null: the system clock
    XmlDocument m_document;
    SessionTable m_table;
    double m_monthTime = 0;
    double m_monthCost = 0;

    bool m_followsCalendar = false;
    QDate m_month;
    bool m_unsaved = false; // the last save of m_document failed
    std::vector<UnsavedMonth> m_leftBehind;
    bool m_failing = false; // the last save failed and was reported
    SaveFailureHandler m_saveFailed;
};
