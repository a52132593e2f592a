#pragma once

#include "store/XmlDocument.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class Clock;
class ConnectionService;
class MonitorView;
class MonthStatistics;
class Prompter;
class QTimer;
class RunningJournal;
class SessionMonitor;
class SessionTable;

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
    // month's table could not be loaded, empty when it could.
    QString start(MonitorView &view);
    bool isStarted() const { return m_monitor != nullptr; }
    // Stops the timer and writes the month's statistics once more; later
    // calls do nothing.
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
    void Timer1Timer();

    QString EntryName() const;
    QString CurrentUserName() const;
    void setCurrentUserName(const QString &name);
    // Hangs up every connection and waits until they are gone.
    void HangUpAll();

    // The phonebook as the "Connections" submenus last listed it.
    QStringList &EntryList() { return m_entryList; }
    // True while the dial dialog runs: Exit does nothing meanwhile. The
    // phonebook editor does not hold it.
    bool RasDialogOpen() const { return m_rasDialogOpen; }
    void setRasDialogOpen(bool open) { m_rasDialogOpen = open; }

    QString LogsDir() const { return m_logsDir; }
    QString StatsFileName() const { return m_statsFileName; }
    QString ConfigPath() const { return m_configPath; }

    // The journal of the running connection, beside the configuration; valid
    // from start() on. saveRunningJournal() writes it at once while a
    // connection is up and waits until it is on disk: for ends the program
    // may not survive (the desktop session's end).
    RunningJournal &runningJournal() { return *m_journal; }
    void saveRunningJournal();

private:
    void openRunningJournal();

    ConnectionService &m_service;
    Prompter &m_prompter;
    const Clock &m_clock;
    const QString m_dataFolder;

    XmlDocument m_config;                          // XML_Config
    std::unique_ptr<MonthStatistics> m_statistics; // XML_Statistic with MemTable
    std::unique_ptr<SessionMonitor> m_monitor;
    std::unique_ptr<RunningJournal> m_journal;
    MonitorView *m_view = nullptr;
    QTimer *m_timer1 = nullptr;

    QStringList m_entryList;
    QString m_logsDir;
    QString m_statsFileName;
    QString m_configPath;
    bool m_rasDialogOpen = false;
    bool m_finished = false;
};
