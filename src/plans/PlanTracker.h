#pragma once

#include "monitor/SessionObserver.h"
#include "plans/PlanDays.h"
#include "plans/PlanUsage.h"
#include "plans/ProviderPlan.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QString>

#include <functional>
#include <optional>

class Clock;
class MonitorView;
class XmlDocument;

// The running program's view of the providers' plans: the use of each plan
// with a cap in its current period, counted from the month files once and
// then kept current from the sessions the monitor records and, on each tick,
// the running connection's figures. It adds the plan's lines to the tooltip,
// announces in the tray balloon when a cap's alert level and the cap itself
// are reached (once per period, threshold and cap, remembered in
// plan-alerts.xml of the data folder), and hangs up when a plan says so.
class PlanTracker final : public SessionObserver
{
    Q_DECLARE_TR_FUNCTIONS(PlanTracker)

public:
    // Hangs up the watched connections.
    using HangUp = std::function<void()>;

    PlanTracker(const Clock &clock, const QString &dataFolder, MonitorView &view, HangUp hangUp);

    // Reads the plans of config. The month files are counted at the first
    // call, and again only when the providers with a cap or their periods
    // changed; a changed cap or alert level takes effect at once. A
    // threshold the recorded use has reached but that was never announced
    // is announced at the next tick (at start the tray icon is not up yet).
    void readPlans(const XmlDocument &config);
    // Every tick, connected or not, before the monitor's.
    void tick();

    // The provider's plan has a cap that its recorded use has reached.
    bool capReached(const QString &provider);

    // A followed plan as the plan window shows it: its days, the running
    // connection counted on the day it began, as of the last tick.
    struct DailyUse
    {
        ProviderPlan plan;
        PlanDays days;
        double trafficMB = 0;
        double cost = 0;
        QString lines; // the tooltip's "Plan: ..." lines
    };
    // The providers whose plans are followed (those with a cap), in order.
    QStringList followedProviders() const;
    // Nothing when the provider's plan is not followed. Reads no file.
    std::optional<DailyUse> dailyUse(const QString &provider);

    // The alert file in a data folder.
    static QString alertsPath(const QString &dataFolder);

    void sessionRecorded(const SessionMonitor &monitor) override;
    QString connectedTick(const SessionMonitor &monitor) override;

private:
    enum Cap { Traffic, Money, CapCount };

    // What a tooltip line shows, in its steps (tenths of a GB or MB, cents).
    struct LineFigures
    {
        qint64 used = -1;
        qint64 limit = -1;
        qint64 percent = -1;
        qint64 projected = -1; // -1: not yet
        bool operator==(const LineFigures &) const = default;
    };

    // A tooltip line with its amounts' texts.
    struct ShownLine
    {
        LineFigures figures;
        QString used;
        QString limit;
        QString projected;
        QString line; // empty: no cap
    };

    struct Tracked
    {
        Tracked(const ProviderPlan &plan, const PlanUsage &usage);

        ProviderPlan plan;
        PlanUsage usage;
        qint64 startMs = 0;
        qint64 endMs = 0;
        double startDays = 0;
        QList<double> reached[CapCount]; // the thresholds announced, percent
        ShownLine shown[CapCount];
        QString hint; // the lines of shown
        PlanDays days;
        // The running connection's figures of the last tick, when it counts.
        double liveTime = -1;
        qint64 liveBytes = 0;
        double liveCost = 0;
    };

    // Counts the month files anew for the plans, as of now.
    void count(const QList<ProviderPlan> &plans);
    // Moves to the next period when the clock has passed a period's end;
    // true when it did (the month files were counted again).
    bool followPeriods();
    Tracked *find(const QString &provider);
    // The clock's time in ms since the epoch.
    qint64 nowMs();

    static double capOf(const ProviderPlan &plan, Cap cap);
    // Announces the highest threshold of each cap that used has reached and
    // that is not yet announced, and remembers them all. The message of
    // hungUpCap says that the line was hung up, whatever was announced.
    void announce(Tracked &tracked, const double used[CapCount], int hungUpCap = -1);
    QString hintLines(Tracked &tracked, const double used[CapCount], qint64 nowMs);
    static double lineScale(Cap cap, double limit);
    QString amountText(Cap cap, double limit, qint64 steps) const;
    void updateLine(ShownLine &shown, Cap cap, double limit, const LineFigures &figures) const;

    void loadAlerts();
    void saveAlerts() const;

    const Clock &m_clock;
    const QString m_alertsPath;
    const QString m_logsDir;
    MonitorView &m_view;
    HangUp m_hangUp;
    QLocale m_locale;

    QList<Tracked> m_tracked;
    qint64 m_nextEndMs = 0; // the earliest period end of m_tracked
    bool m_counted = false;
    bool m_announcePending = false;
    qint64 m_offsetQuarter = -1; // the quarter hour m_offsetMs was looked up in
    qint64 m_offsetMs = 0;

    // The connection the ticks watch: its start, and whether its plan was
    // over a cap when it came up (then it is not hung up for that cap).
    double m_connectionStart = -1;
    bool m_overAtConnect = false;
    bool m_hungUp = false;
};
