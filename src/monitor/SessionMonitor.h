#pragma once

#include "connection/ConnectionRecord.h"
#include "core/SessionCounters.h"
#include "monitor/MonitorView.h"
#include "store/RunningJournal.h"

#include <QCoreApplication>
#include <QDateTime>

#include <QLocale>
#include <QString>
#include <QStringList>

#include <pugixml.hpp>

#include <functional>
#include <optional>

class Clock;
class ConnectionService;
class MonthStatistics;
class SessionObserver;
class XmlDocument;

// Watches the active connection, one tick every 500 ms: notices a connection
// that comes up or ends, prices it, records it in the month's log when it
// ends, and keeps the view's figures, lights, tray icon and graph current.
class SessionMonitor
{
    Q_DECLARE_TR_FUNCTIONS(SessionMonitor)

public:
    // Opens the log-in dialog of user mode without waiting for it.
    using AuthorizationHook = std::function<void(XmlDocument &config)>;

    SessionMonitor(ConnectionService &service, XmlDocument &config, MonthStatistics &log,
                   const Clock &clock, MonitorView &view);

    // The timer's interval; the minute charge of every tick is this long.
    static constexpr int intervalMs() { return 500; }

    // One tick.
    void Timer1Timer();

    // Looks up ProviderNode again from EntryName (after the settings changed
    // the configuration document).
    void refindProvider();

    void setAuthorizationHook(AuthorizationHook hook) { m_showAuthorization = std::move(hook); }
    // Told of every recorded session and connected tick; null for none. It
    // must outlive the monitor or be reset first.
    void setObserver(SessionObserver *observer) { m_observer = observer; }

    const QString &EntryName() const { return m_entryName; }
    // As of the last look-up: at connect, on every priced tick and in
    // refindProvider(). Stale once the document's content is replaced.
    pugi::xml_node ProviderNode() const { return m_providerNode; }
    bool WasConnected() const { return m_wasConnected; }
    const QString &CurrentUserName() const { return m_currentUserName; }
    void setCurrentUserName(const QString &name) { m_currentUserName = name; }
    double SessionCost() const { return m_sessionCost; }
    double SessionTime() const { return m_sessionTime; }
    // Date-time (days) of the tick that saw the connection come up.
    double StartTime() const { return m_startTime; }
    // The statistics snapshot as of the last successful refresh.
    const SessionCounters &counters() const { return m_counters; }

    // The journal of the running connection: written on the tick a connection
    // comes up, then whenever a later tick would leave more than
    // journalIntervalMs() unwritten, and removed once the record is appended.
    void setJournal(RunningJournal *journal) { m_journal = journal; }
    static constexpr int journalIntervalMs() { return 10000; }
    // A journal an earlier run left. The next ticks settle it before anything
    // else: when a connection up now accepts its token, the session goes on
    // from it (no connect steps: no fee, balloon or log-in again); when none
    // has within resumeTicks() ticks, its record goes to the month file of its
    // start. Until then the ticks do nothing else.
    void setLeftJournal(const RunningConnection &connection) { m_leftJournal = connection; }
    bool hasLeftJournal() const { return m_leftJournal.has_value(); }
    // Back ends that read their state asynchronously need a moment to list
    // the connections that are up.
    static constexpr int resumeTicks() { return 6; }
    // Writes the journal at once while a connection is up (an orderly end).
    void writeJournal();

private:
    void connectSteps();
    // The connection watched since the connect steps is gone while the poll
    // names another one.
    bool watchedConnectionEnded();
    // While the watched connection is up, its figures are the ones shown and
    // priced, also when the back end lists another connection first.
    void followWatchedConnection(const SessionCounters &previous);
    void disconnectSteps();
    void connectedUpdate();
    void updateLight(qint64 current, qint64 &last, int &state, MonitorView::Light light);
    void updateTrayImage();
    QStringList sessionRecord() const;
    // The tooltip with extraLines (the observer's) at its end, kept whole
    // within the tooltip's length.
    QString trayHint(const QString &extraLines) const;

    // The journal (SessionMonitorJournal.cpp).
    bool settleLeftJournal();
    bool resumeLeftJournal();
    void takeUpLeftConnection(ConnectionHandle handle);
    // The price of the time and traffic between the resumed journal's figures
    // and this tick's, in place of one tick's.
    double resumeGapCost(const QDateTime &now);
    void recordLeftJournal();
    void writeJournalIfDue();
    void dropJournal();

    ConnectionService &m_service;
    XmlDocument &m_config;
    MonthStatistics &m_log;
    const Clock &m_clock;
    MonitorView &m_view;
    AuthorizationHook m_showAuthorization;
    SessionObserver *m_observer = nullptr;
    QLocale m_locale;

    ConnectionRecord m_polled;  // the poll's one record, cleared before each poll
    SessionCounters m_counters; // keeps its values when a refresh fails

    bool m_wasConnected = false;
    ConnectionHandle m_watchedHandle = 0; // the connection the connect steps took up
    QString m_entryName;
    pugi::xml_node m_providerNode;
    double m_sessionCost = 0;
    double m_sessionTime = 0;
    double m_startTime = 0;
    qint64 m_lastReceived = 0;
    qint64 m_lastSent = 0;
    int m_recvLedState = 0;
    int m_sentLedState = 0;
    int m_trayState = 0;
    bool m_graphPhase = false;
    qint64 m_graphLastTotal = 0;
    bool m_connectedThisTick = false;
    QString m_currentUserName;

    RunningJournal *m_journal = nullptr;
    QDateTime m_journalWrittenAt; // invalid: due at the next connected tick
    std::optional<RunningConnection> m_leftJournal;
    int m_leftJournalTicks = 0;
    std::optional<RunningConnection> m_resumedFrom; // until the gap since it is priced
};
