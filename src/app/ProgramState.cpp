#include "app/ProgramState.h"

#include "connection/DialupOperations.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/Prompter.h"
#include "core/Version.h"
#include "cost/PlanTracker.h"
#include "monitor/SessionMonitor.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"
#include "store/MonthStatistics.h"

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
    startPlans();
    m_timer1->start();
    return tableError;
}

void ProgramState::startPlans()
{
    m_plans =
        std::make_unique<PlanTracker>(m_clock, m_dataFolder, *m_view, [this] { HangUpAll(); });
    m_plans->readPlans(m_config);
    m_monitor->setObserver(m_plans.get());
}

void ProgramState::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer1->stop();
    if (m_statistics)
        m_statistics->save();
    m_entryList.clear();
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
    // Caps or periods may have changed.
    if (m_plans)
        m_plans->readPlans(m_config);
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
    if (m_plans)
        m_plans->tick();
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

bool ProgramState::confirmDial(const QString &entry)
{
    if (!m_plans || !m_plans->capReached(entry))
        return true;
    return m_prompter.question(
               QString::fromLatin1(kApplicationName),
               QStringLiteral("The plan's cap for %1 is reached. Dial anyway?").arg(entry),
               Prompter::Yes | Prompter::No, Prompter::Icon::Warning) == Prompter::Yes;
}
