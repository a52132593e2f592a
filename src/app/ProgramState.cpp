#include "app/ProgramState.h"

#include "connection/DialupOperations.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/Prompter.h"
#include "core/TextForms.h"
#include "core/Version.h"
#include "cost/TariffTexts.h"
#include "monitor/IdleHangUp.h"
#include "monitor/MonitorView.h"
#include "monitor/SessionMonitor.h"
#include "monitor/SessionObservers.h"
#include "monitor/TariffHint.h"
#include "plans/PlanTracker.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"
#include "store/MonthStatistics.h"
#include "store/RunningJournal.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {

// Long enough to be read: this balloon is not hidden by Timer2.
constexpr int kSaveFailureBalloonSeconds = 30;

} // namespace

ProgramState::ProgramState(ConnectionService &service, Prompter &prompter, const Clock &clock,
                           const QString &dataFolder, QObject *parent)
    : QObject(parent), m_service(service), m_prompter(prompter), m_clock(clock),
      m_dataFolder(dataFolder), m_tariffTexts(std::make_unique<TariffTexts>(clock, m_config))
{
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(SessionMonitor::intervalMs());
    // Every tick is charged as 500 ms: a coarse timer, which may fire 5 %
    // early, would charge more minutes than the connection lasted.
    m_timer1->setTimerType(Qt::PreciseTimer);
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
    m_statistics = std::make_unique<MonthStatistics>(
        QDir(m_logsDir).filePath(statsFileName(m_clock.now().date())), m_clock);
    m_statistics->followCalendar();
    m_statistics->setSaveFailureHandler(
        [this](const QString &file, const QString &reason) { statisticsNotSaved(file, reason); });
    m_shownMonth = m_statistics->month();
    m_monitor = std::make_unique<SessionMonitor>(m_service, m_config, *m_statistics, m_clock, view);

    QString tableError = m_statistics->open();
    m_configPath = configPath(m_dataFolder);
    const DocumentLoad config = OpenConfig(m_configPath, m_config, m_clock);
    if (config.outcome == DocumentLoad::Inaccessible) {
        // Told with the month file's trouble, in the one message of start-up.
        if (!tableError.isEmpty())
            tableError += QStringLiteral("\n\n");
        tableError += tr("The configuration file \"%1\" cannot be opened: %2. The file is left "
                         "as it is and not written while the program runs; the program starts "
                         "with empty settings and does not save them.")
                          .arg(QDir::toNativeSeparators(m_configPath), config.reason);
    }
    m_service.setWatchPolicy(WatchPolicy::fromConfig(m_config));
    openRunningJournal();
    startPlans();
    startObservers();
    m_timer1->start();
    return tableError;
}

void ProgramState::startPlans()
{
    m_plans =
        std::make_unique<PlanTracker>(m_clock, m_dataFolder, *m_view, [this] { HangUpAll(); });
    m_plans->readPlans(m_config);
}

void ProgramState::startObservers()
{
    m_tariffHint = std::make_unique<TariffHint>(*m_tariffTexts, *m_view);
    // The tooltip keeps 253 characters for these lines; the plan's stay whole.
    m_observers = std::make_unique<SessionObservers>(253);
    m_observers->add(m_tariffHint.get());
    m_observers->add(m_plans.get());
    m_idle = std::make_unique<IdleHangUp>(*m_view, [this] { HangUpAll(); });
    m_idle->readSettings(m_config);
    m_observers->add(m_idle.get());
    m_monitor->setObserver(m_observers.get());
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
    // Caps or periods may have changed.
    if (m_plans)
        m_plans->readPlans(m_config);
    m_tariffTexts->configChanged();
    if (m_idle)
        m_idle->readSettings(m_config);
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
    followMonth();
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

QString ProgramState::StatsFileName() const
{
    return m_statistics ? QFileInfo(m_statistics->filePath()).fileName() : QString();
}

void ProgramState::followMonth()
{
    if (!m_monitor)
        return;
    const QDate today = m_clock.now().date();
    const QDate month(today.year(), today.month(), 1);
    if (month != m_statistics->month()) {
        // A connection keeps the month it began in until its record is written.
        QDate started;
        QTime at;
        const bool holdsMonth = m_monitor->WasConnected() &&
                                TextForms::splitDays(m_monitor->StartTime(), &started, &at) &&
                                QDate(started.year(), started.month(), 1) == m_statistics->month();
        if (!holdsMonth)
            m_statistics->turnTo(month);
    }
    // While connected, every tick shows the month's figures anyway.
    if (m_statistics->month() != m_shownMonth && !m_monitor->WasConnected()) {
        m_shownMonth = m_statistics->month();
        m_view->setText(MonitorView::Field::MonthTime,
                        TextForms::durationText(m_statistics->MonthTime()));
        m_view->setText(MonitorView::Field::MonthCost,
                        TextForms::moneyText(m_statistics->MonthCost()));
    }
}

void ProgramState::statisticsNotSaved(const QString &file, const QString &reason)
{
    // A file that could not be read at start is never written in this run;
    // the start-up message said so already.
    if (!m_view || SavesRefused(file))
        return;
    m_view->showBalloon(
        QStringLiteral("Dialometer"),
        tr("Dialometer could not save the statistics to %1: %2. The connection is kept "
           "and saved again later.")
            .arg(QDir::toNativeSeparators(file), reason),
        kSaveFailureBalloonSeconds);
}

bool ProgramState::confirmDial(const QString &entry)
{
    if (!m_plans || !m_plans->capReached(entry))
        return true;
    return m_prompter.question(QString::fromLatin1(kApplicationName),
                               tr("The plan's cap for %1 is reached. Dial anyway?").arg(entry),
                               Prompter::Yes | Prompter::No,
                               Prompter::Icon::Warning) == Prompter::Yes;
}
