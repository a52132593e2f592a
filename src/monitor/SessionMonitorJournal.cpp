// The session monitor's journal of the running connection: writing it while a
// connection is up, and settling the one an earlier run left.
#include "connection/ConnectionService.h"
#include "connection/DialupOperations.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/LogCategories.h"
#include "core/TextForms.h"
#include "cost/TariffCost.h"
#include "monitor/SessionMonitor.h"
#include "monitor/SessionObserver.h"
#include "monitor/SessionRecord.h"
#include "store/MonthStatistics.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr double kMsPerDay = 86400000.0;
constexpr double kBytesPerMB = 1048576.0;
// How much longer than the clock's time since the journal's figures the
// connection may have lasted meanwhile: the back end and the clock each read
// the time a little apart.
constexpr qint64 kResumeSlackMs = 2000;

} // namespace

void SessionMonitor::writeJournal()
{
    if (!m_journal || m_leftJournal || !m_wasConnected)
        return;
    const RunningConnection running{
        m_service.resumeToken(m_watchedHandle),
        m_entryName,
        attributeText(m_providerNode, "Name"),
        m_startTime,
        m_sessionCost,
        m_currentUserName,
        m_counters,
        m_clock.now(),
    };
    m_journalWrittenAt = running.writtenAt;
    m_journal->post(running);
}

void SessionMonitor::writeJournalIfDue()
{
    // Written when the next tick would come after the interval, so no more
    // than journalIntervalMs() of a connection is ever unwritten. A clock set
    // back counts like one that moved on.
    if (m_journalWrittenAt.isValid() &&
        qAbs(m_journalWrittenAt.msecsTo(m_clock.now())) + intervalMs() <= journalIntervalMs())
        return;
    writeJournal();
}

void SessionMonitor::dropJournal()
{
    m_journalWrittenAt = QDateTime();
    if (m_journal)
        m_journal->postRemoval();
}

bool SessionMonitor::settleLeftJournal()
{
    if (resumeLeftJournal())
        return true;
    // Without a token no connection can be the journal's.
    if (!m_leftJournal->token.isEmpty() && ++m_leftJournalTicks < resumeTicks())
        return false;
    recordLeftJournal();
    return true;
}

bool SessionMonitor::resumeLeftJournal()
{
    if (m_leftJournal->token.isEmpty())
        return false;
    for (const ConnectionRecord &c : ListAllConnections(m_service)) {
        if (c.hrasconn != 0 && m_service.resume(c.hrasconn, m_leftJournal->token)) {
            takeUpLeftConnection(c.hrasconn);
            return true;
        }
    }
    return false;
}

void SessionMonitor::takeUpLeftConnection(ConnectionHandle handle)
{
    const RunningConnection left = *m_leftJournal;
    m_leftJournal.reset();
    qCDebug(lcMonitor) << "resumed:" << handle << left.entryName << "since" << left.startTime;

    // The state the connect steps and the ticks until the last run ended
    // left; the tick that follows prices the time and traffic since the
    // journal's figures, and nothing is charged or shown as a new connection.
    m_wasConnected = true;
    m_watchedHandle = handle;
    m_entryName = left.entryName;
    refindProvider();
    m_sessionCost = left.cost;
    m_startTime = left.startTime;
    m_currentUserName = left.userName;
    m_counters = left.counters;
    m_sessionTime = double(left.counters.dwConnectDuration) / kMsPerDay;
    m_lastReceived = left.counters.dwBytesRcved;
    m_lastSent = left.counters.dwBytesXmited;
    m_graphLastTotal = 0;
    m_journalWrittenAt = QDateTime(); // the back end's new token goes in at once
    m_resumedFrom = left;

    m_view.setStatusGlyph(MonitorView::ConnectedGlyph);
    m_view.setStatusText(tr("Connected..."));
    m_view.setText(MonitorView::Field::Speed,
                   TextForms::speedText(m_counters.dwBps, m_locale) + QStringLiteral(" KBps"));
    m_view.setText(MonitorView::Field::Provider, m_entryName);
    m_trayState = 1;
    m_view.SetTrayImage(MonitorView::TrayNoTraffic);
}

double SessionMonitor::resumeGapCost(const QDateTime &now)
{
    const SessionCounters &s = m_counters;
    // Not refreshed since the journal's figures were put back: the next tick
    // that is prices the gap.
    if (s == m_resumedFrom->counters)
        return 0.0;
    const RunningConnection left = *m_resumedFrom;
    m_resumedFrom.reset();

    const qint64 gapMs = s.dwConnectDuration - left.counters.dwConnectDuration;
    // The longest the connection can have gone on unwatched: the clock's time
    // since the journal's figures, or since the start for a journal that does
    // not say when they were taken.
    const qint64 clockMs = left.writtenAt.isValid()
                               ? left.writtenAt.msecsTo(now)
                               : qint64((TextForms::toDays(now) - left.startTime) * kMsPerDay);
    if (gapMs < 0 || gapMs > clockMs + kResumeSlackMs ||
        s.dwBytesRcved < left.counters.dwBytesRcved ||
        s.dwBytesXmited < left.counters.dwBytesXmited) {
        qCWarning(lcMonitor) << "the time since the journal's figures is not priced: the"
                             << "connection's duration went from" << left.counters.dwConnectDuration
                             << "to" << s.dwConnectDuration << "ms in" << clockMs
                             << "ms of the clock, its bytes from" << left.counters.dwBytesRcved
                             << "/" << left.counters.dwBytesXmited << "to" << s.dwBytesRcved << "/"
                             << s.dwBytesXmited << "; the cost stays the journal's" << left.cost;
        return 0.0;
    }
    const double megabytesIn = double(s.dwBytesRcved - left.counters.dwBytesRcved) / kBytesPerMB;
    const double megabytesOut = double(s.dwBytesXmited - left.counters.dwBytesXmited) / kBytesPerMB;
    const double cost =
        gapMs == 0 ? IntervalCost(m_config, m_providerNode, {0.0, megabytesIn, megabytesOut},
                                  TextForms::timeOfDay(now), m_clock)
                   : SpanCost(m_config, m_providerNode, now.addMSecs(-gapMs), now, megabytesIn,
                              megabytesOut);
    qCDebug(lcMonitor) << "priced" << gapMs << "ms and" << megabytesIn << "/" << megabytesOut
                       << "MB since the journal's figures:" << cost;
    return cost;
}

void SessionMonitor::recordLeftJournal()
{
    const RunningConnection left = *m_leftJournal;
    m_leftJournal.reset();
    const QStringList record = SessionRecord(left.startTime, left.counters, left.cost,
                                             left.entryName, left.userName, m_locale);

    // The record belongs to the month the connection started in, like the
    // records of connections that span a month's end.
    QDate startDate;
    QTime startTime;
    TextForms::splitDays(left.startTime, &startDate, &startTime);
    const QFileInfo logInfo(m_log.filePath());
    const QString monthFile = statsFileName(startDate);
    qCDebug(lcMonitor) << "the journal's connection" << left.entryName << "is gone; recorded in"
                       << monthFile;
    bool saved = true;
    // A log that follows the calendar files a record of another month in
    // that month's file itself and keeps it in memory until it is written,
    // like every other record; the journal has done its part then.
    if (m_log.followsCalendar() || logInfo.fileName() == monthFile) {
        m_log.addToMonthTotals(double(left.counters.dwConnectDuration) / kMsPerDay, left.cost);
        m_log.AppendSession(record);
    } else {
        MonthStatistics other(logInfo.dir().filePath(monthFile), m_clock);
        other.open();
        other.AppendSession(record);
        // That file is not written again in this run: the journal stays
        // until it holds the record.
        saved = other.save();
    }
    if (saved && m_journal)
        m_journal->postRemoval();

    // Told like a connection that ended now, with the journal's figures as
    // the last connection's (no connection is watched yet).
    m_entryName = left.entryName;
    m_startTime = left.startTime;
    m_sessionCost = left.cost;
    m_counters = left.counters;
    if (m_observer)
        m_observer->sessionRecorded(*this);
    else if (!saved)
        qCWarning(lcMonitor) << "the record of the journal's connection could not be saved in"
                             << monthFile;
}
