#pragma once

#include "store/XmlDocument.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class Clock;
class ConnectionService;
class IdleHangUp;
class MonitorView;
class MonthStatistics;
class PlanTracker;
class Prompter;
class QTimer;
class RunningJournal;
class SessionMonitor;
class SessionObservers;
class SessionTable;
class TariffHint;
class TariffTexts;

// The running program apart from its windows: the data folder, the live
// configuration, the month's statistics with their table, the session monitor
// with Timer1 that drives it, and the process-wide values. It holds no
// widgets. The main window creates it and runs start() from FormCreate; the
// windows opened from the menus (settings, statistics, the log-in of user
// mode) take what they need from here, not from the main window.
//
// Names: the process-wide values keep the names the form's code knows them
// by (EntryName, CurrentUserName, MonthTime, MonthCost, EntryList,
// RasDialogOpen, LogsDir, StatsFileName, ConfigPath, Timer1, MemTable);
// config() is XML_Config and statistics() is XML_Statistic.
class ProgramState : public QObject
{
    Q_OBJECT
public:
    ProgramState(ConnectionService &service, Prompter &prompter, const Clock &clock,
                 const QString &dataFolder, QObject *parent = nullptr);
    ~ProgramState() override;

    // Start-up: creates the Logs folder, opens the month's statistics file
    // into its table, reads the configuration (never writes it), creates the
    // monitor that shows its ticks on view, and starts Timer1. Returns why the
    // month's table could not be loaded and which of the two files cannot be
    // opened (those are never written this run), empty when all is well.
    QString start(MonitorView &view);
    bool isStarted() const { return m_monitor != nullptr; }
    // Stops the timer and writes the month's statistics once more (and any
    // month whose save failed); later calls do nothing.
    void finish();

    ConnectionService &service() const { return m_service; }
    Prompter &prompter() const { return m_prompter; }
    const Clock &clock() const { return m_clock; }
    QString dataFolder() const { return m_dataFolder; }

    // XML_Config: the live configuration. A dialog that edits it works on a
    // copy and replaces this document's content when the user applies.
    XmlDocument &config() { return m_config; }
    // Writes XML_Config to ConfigPath; false when it could not be written.
    bool saveConfig() const;
    // After the settings dialog has closed, whatever it changed: the next
    // ticks price with the provider element as the document now stands.
    void settingsClosed();

    // XML_Statistic with its table MemTable; valid from start() on.
    MonthStatistics &statistics() { return *m_statistics; }
    SessionTable &MemTable();
    double MonthTime() const;
    double MonthCost() const;

    // Valid from start() on. The log-in dialog of user mode attaches through
    // monitor().setAuthorizationHook().
    SessionMonitor &monitor() { return *m_monitor; }
    // What the ticks show (the main window); the tray balloon is shown here.
    MonitorView &view() { return *m_view; }
    QTimer *Timer1() const { return m_timer1; }
    // The plans' use, followed from start() on; nullptr before.
    PlanTracker *plans() const { return m_plans.get(); }
    // One tick of the monitor; then the month's statistics follow the clock.
    void Timer1Timer();

    QString EntryName() const;
    QString CurrentUserName() const;
    void setCurrentUserName(const QString &name);
    // Hangs up every connection and waits until they are gone.
    void HangUpAll();
    // Before entry is dialled: when its provider's plan is over a cap, asks
    // whether to dial anyway. True to dial.
    bool confirmDial(const QString &entry);

    // The tariff texts of the "Connections" items and of the tooltip.
    TariffTexts &tariffTexts() { return *m_tariffTexts; }

    // The phonebook as the "Connections" submenus last listed it.
    QStringList &EntryList() { return m_entryList; }
    // True while the dial dialog runs: Exit does nothing meanwhile. The
    // phonebook editor does not hold it.
    bool RasDialogOpen() const { return m_rasDialogOpen; }
    void setRasDialogOpen(bool open) { m_rasDialogOpen = open; }

    QString LogsDir() const { return m_logsDir; }
    // The file name of the month the statistics hold, e.g. "09_03.sn2".
    QString StatsFileName() const;
    QString ConfigPath() const { return m_configPath; }

    // The journal of the running connection, beside the configuration; valid
    // from start() on. saveRunningJournal() writes it at once while a
    // connection is up and waits until it is on disk: for ends the program
    // may not survive (the desktop session's end).
    RunningJournal &runningJournal() { return *m_journal; }
    void saveRunningJournal();

private:
    void openRunningJournal();
    // The plans' use, counted once at start and followed from then on.
    void startPlans();
    // Everything that follows the monitor's sessions.
    void startObservers();

    ConnectionService &m_service;
    Prompter &m_prompter;
    const Clock &m_clock;
    const QString m_dataFolder;

    XmlDocument m_config;                          // XML_Config
    std::unique_ptr<MonthStatistics> m_statistics; // XML_Statistic with MemTable
    std::unique_ptr<PlanTracker> m_plans;          // observes the monitor, so outlives it
    std::unique_ptr<TariffTexts> m_tariffTexts;
    std::unique_ptr<TariffHint> m_tariffHint;
    std::unique_ptr<IdleHangUp> m_idle;
    std::unique_ptr<SessionObservers> m_observers; // all that observe the monitor
    std::unique_ptr<SessionMonitor> m_monitor;
    std::unique_ptr<RunningJournal> m_journal;
    MonitorView *m_view = nullptr;
    QTimer *m_timer1 = nullptr;

    QStringList m_entryList;
    QString m_logsDir;
    QDate m_shownMonth; // the month whose totals the view shows
    QString m_configPath;
    bool m_rasDialogOpen = false;
    bool m_finished = false;

    // After each tick: the statistics and the view's month figures turn
    // with the clock's month.
    void followMonth();
    // Tells the user, through the tray balloon, of a failed save.
    void statisticsNotSaved(const QString &file, const QString &reason);
};
