#include "app/ProgramState.h"

#include "connection/DialupOperations.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "monitor/SessionMonitor.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"
#include "store/MonthStatistics.h"
#include "store/RunningJournal.h"

#include <QDir>
#include <QTimer>

ProgramState::ProgramState(ConnectionService &service, Prompter &prompter, const Clock &clock,
                           const QString &dataFolder, QObject *parent)
    : QObject(parent), m_service(service), m_prompter(prompter), m_clock(clock),
      m_dataFolder(dataFolder)
{
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(SessionMonitor::intervalMs());
    connect(m_timer1, &QTimer::timeout, this, &ProgramState::Timer1Timer);
}

ProgramState::~ProgramState()
{
    finish();
}

QString ProgramState::start(MonitorView &view)
{
    m_view = &view;
    m_entryList.clear();
    m_logsDir = logsDir(m_dataFolder);
    ensureFolder(m_logsDir); // a failure shows when the month's file is written
    RemoveInterruptedSaves(m_dataFolder);
    m_statsFileName = statsFileName(m_clock.now().date());
    m_statistics =
        std::make_unique<MonthStatistics>(QDir(m_logsDir).filePath(m_statsFileName), m_clock);
    m_monitor = std::make_unique<SessionMonitor>(m_service, m_config, *m_statistics, m_clock, view);

    const QString tableError = m_statistics->open();
    m_configPath = configPath(m_dataFolder);
    OpenConfig(m_configPath, m_config, m_clock);
    m_service.setWatchPolicy(WatchPolicy::fromConfig(m_config));
    openRunningJournal();
    m_timer1->start();
    return tableError;
}

void ProgramState::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer1->stop();
    saveRunningJournal();
    if (m_statistics)
        m_statistics->save();
    m_entryList.clear();
}

void ProgramState::openRunningJournal()
{
    m_journal = std::make_unique<RunningJournal>(RunningJournal::pathIn(m_dataFolder), m_clock);
    m_monitor->setJournal(m_journal.get());
    // A journal left behind is settled by the monitor's first ticks; an
    // unreadable one is kept aside and start-up goes on.
    RunningConnection left;
    if (m_journal->load(&left) == RunningJournal::LoadResult::Loaded)
        m_monitor->setLeftJournal(left);
}

void ProgramState::saveRunningJournal()
{
    if (m_monitor)
        m_monitor->writeJournal();
    if (m_journal)
        m_journal->flush();
}

bool ProgramState::saveConfig() const
{
    return SaveConfig(m_configPath, m_config);
}

void ProgramState::settingsClosed()
{
    if (m_monitor)
        m_monitor->refindProvider();
    // A provider added or renamed, or WatchAll, changes which connections count.
    m_service.setWatchPolicy(WatchPolicy::fromConfig(m_config));
}

SessionTable &ProgramState::MemTable()
{
    return m_statistics->table();
}

double ProgramState::MonthTime() const
{
    return m_statistics ? m_statistics->MonthTime() : 0.0;
}

double ProgramState::MonthCost() const
{
    return m_statistics ? m_statistics->MonthCost() : 0.0;
}

void ProgramState::Timer1Timer()
{
    if (m_monitor)
        m_monitor->Timer1Timer();
}

QString ProgramState::EntryName() const
{
    return m_monitor ? m_monitor->EntryName() : QString();
}

QString ProgramState::CurrentUserName() const
{
    return m_monitor ? m_monitor->CurrentUserName() : QString();
}

void ProgramState::setCurrentUserName(const QString &name)
{
    if (m_monitor)
        m_monitor->setCurrentUserName(name);
}

void ProgramState::HangUpAll()
{
    ::HangUpAll(m_service);
}
