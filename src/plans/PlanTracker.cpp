#include "plans/PlanTracker.h"

#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/LogCategories.h"
#include "core/MachineText.h"
#include "core/TextForms.h"
#include "monitor/MonitorView.h"
#include "monitor/SessionMonitor.h"
#include "store/DataFiles.h"
#include "store/XmlDocument.h"

#include <QDir>
#include <QFileInfo>

#include <QStringList>

#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <utility>

namespace {

constexpr double kMsPerDay = 86400000.0;
constexpr double kMBPerGB = 1024.0;
constexpr qint64 kOneHourMs = 3600 * 1000;
constexpr qint64 kQuarterHourMs = kOneHourMs / 4;
constexpr qint64 kMsPerWholeDay = 24 * kOneHourMs;
constexpr int kBalloonSeconds = 10;
constexpr double kCapPercent = 100;

const char *const kCapNames[] = {"Traffic", "Cost"};

QString periodText(double startDays)
{
    return MachineText::isoTime(startDays);
}

} // namespace

PlanTracker::PlanTracker(const Clock &clock, const QString &dataFolder, MonitorView &view,
                         HangUp hangUp)
    : m_clock(clock), m_alertsPath(alertsPath(dataFolder)), m_logsDir(logsDir(dataFolder)),
      m_view(view), m_hangUp(std::move(hangUp)), m_locale(QLocale::system())
{
}

QString PlanTracker::alertsPath(const QString &dataFolder)
{
    return planAlertsPath(dataFolder);
}

void PlanTracker::readPlans(const XmlDocument &config)
{
    QList<ProviderPlan> plans = ReadProviderPlans(config, m_locale);
    plans.removeIf(
        [](const ProviderPlan &plan) { return !plan.hasTrafficCap() && !plan.hasCostCap(); });
    // The counts stay good while the same providers keep the same periods.
    bool same = m_counted && plans.size() == m_tracked.size();
    for (qsizetype i = 0; same && i < plans.size(); ++i) {
        same = plans[i].name == m_tracked[i].plan.name &&
               plans[i].periodStart == m_tracked[i].plan.periodStart;
    }
    if (same) {
        for (qsizetype i = 0; i < plans.size(); ++i)
            m_tracked[i].plan = plans[i];
    } else {
        count(plans);
    }
    m_announcePending = true;
}

void PlanTracker::tick()
{
    if (!m_announcePending)
        return;
    m_announcePending = false;
    for (Tracked &tracked : m_tracked) {
        const double used[CapCount] = {tracked.usage.trafficMB(), tracked.usage.cost()};
        announce(tracked, used);
    }
}

void PlanTracker::count(const QList<ProviderPlan> &plans)
{
    const QDateTime now = m_clock.now();
    QList<PlanUsage> usages;
    usages.reserve(plans.size());
    for (const ProviderPlan &plan : plans)
        usages.append(PlanUsage(plan, now));
    QList<PlanDays> days;
    for (const PlanUsage &usage : std::as_const(usages))
        days.append(PlanDays(usage));
    CountMonthFiles(m_logsDir, usages,
                    [&days](qsizetype i, const PlanSession &session) { days[i].add(session); });

    m_tracked.clear();
    m_nextEndMs = std::numeric_limits<qint64>::max();
    for (qsizetype i = 0; i < plans.size(); ++i) {
        Tracked tracked(plans[i], usages[i]);
        tracked.days = days[i];
        m_nextEndMs = std::min(m_nextEndMs, tracked.endMs);
        m_tracked.append(std::move(tracked));
    }
    m_counted = true;
    loadAlerts();
    qCDebug(lcPlan) << "counted the use of" << m_tracked.size() << "plans";
}

PlanTracker::Tracked::Tracked(const ProviderPlan &plan, const PlanUsage &usage)
    : plan(plan), usage(usage), startMs(usage.period().start.toMSecsSinceEpoch()),
      endMs(usage.period().end.toMSecsSinceEpoch()),
      startDays(TextForms::toDays(usage.period().start))
{
}

bool PlanTracker::followPeriods()
{
    if (m_tracked.isEmpty() || nowMs() < m_nextEndMs)
        return false;
    QList<ProviderPlan> plans;
    for (const Tracked &tracked : std::as_const(m_tracked))
        plans.append(tracked.plan);
    count(plans);
    m_announcePending = true;
    return true;
}

qint64 PlanTracker::nowMs()
{
    // The clock's date and time of day are at hand; the real time needs the
    // time zone, whose offset is looked up again each quarter of an hour
    // (zones change their offset on those).
    const QDateTime now = m_clock.now();
    const qint64 wallMs =
        now.date().toJulianDay() * kMsPerWholeDay + now.time().msecsSinceStartOfDay();
    const qint64 quarter = wallMs / kQuarterHourMs;
    if (quarter != m_offsetQuarter) {
        m_offsetQuarter = quarter;
        m_offsetMs = now.toMSecsSinceEpoch() - wallMs;
    }
    return wallMs + m_offsetMs;
}

PlanTracker::Tracked *PlanTracker::find(const QString &provider)
{
    for (Tracked &tracked : m_tracked) {
        if (tracked.plan.name == provider)
            return &tracked;
    }
    return nullptr;
}

bool PlanTracker::capReached(const QString &provider)
{
    followPeriods();
    const Tracked *tracked = find(provider);
    if (!tracked)
        return false;
    const double used[CapCount] = {tracked->usage.trafficMB(), tracked->usage.cost()};
    for (int cap = 0; cap < CapCount; ++cap) {
        const double limit = capOf(tracked->plan, Cap(cap));
        if (limit > 0 && used[cap] >= limit)
            return true;
    }
    return false;
}

double PlanTracker::capOf(const ProviderPlan &plan, Cap cap)
{
    return cap == Traffic ? plan.trafficCapMB : plan.costCap;
}

void PlanTracker::sessionRecorded(const SessionMonitor &monitor)
{
    // A new count has read the session from its month file already.
    if (followPeriods())
        return;
    for (Tracked &each : m_tracked)
        each.liveTime = -1;
    Tracked *tracked = find(monitor.EntryName());
    if (!tracked)
        return;
    const SessionCounters &counters = monitor.counters();
    const PlanSession session{monitor.StartTime(), double(counters.dwConnectDuration) / kMsPerDay,
                              counters.dwBytesRcved, counters.dwBytesXmited, monitor.SessionCost()};
    tracked->usage.advanceTo(m_clock.now());
    tracked->usage.add(session);
    tracked->days.advanceTo(m_clock.now());
    tracked->days.add(session);
    const double used[CapCount] = {tracked->usage.trafficMB(), tracked->usage.cost()};
    announce(*tracked, used);
}

QString PlanTracker::connectedTick(const SessionMonitor &monitor)
{
    if (m_tracked.isEmpty())
        return {};
    const qint64 nowMs = this->nowMs();
    if (nowMs >= m_nextEndMs)
        followPeriods();
    Tracked *tracked = find(monitor.EntryName());
    if (!tracked)
        return {};

    if (monitor.StartTime() != m_connectionStart) {
        m_connectionStart = monitor.StartTime();
        m_overAtConnect = capReached(tracked->plan.name);
        m_hungUp = false;
    }
    // A connection counts in the period it began in, as its record will.
    const SessionCounters &counters = monitor.counters();
    const bool inPeriod = monitor.StartTime() >= tracked->startDays;
    const double used[CapCount] = {
        // Summed as doubles: counters from a damaged journal may be near
        // the largest 64-bit count.
        tracked->usage.trafficMB() + (inPeriod
                                          ? (double(std::max<qint64>(counters.dwBytesRcved, 0)) +
                                             double(std::max<qint64>(counters.dwBytesXmited, 0))) /
                                                PlanUsage::kBytesPerMB
                                          : 0.0),
        tracked->usage.cost() + (inPeriod ? monitor.SessionCost() : 0.0),
    };
    // For the plan window, which reads them at most once a second.
    tracked->liveTime = inPeriod ? monitor.StartTime() : -1;
    tracked->liveBytes =
        std::max<qint64>(counters.dwBytesRcved, 0) + std::max<qint64>(counters.dwBytesXmited, 0);
    tracked->liveCost = monitor.SessionCost();

    int hungUpCap = -1;
    if (tracked->plan.hangUpAtCap && !m_overAtConnect && !m_hungUp) {
        for (int cap = 0; cap < CapCount && hungUpCap < 0; ++cap) {
            const double limit = capOf(tracked->plan, Cap(cap));
            if (limit > 0 && used[cap] >= limit)
                hungUpCap = cap;
        }
    }
    if (hungUpCap >= 0) {
        qCInfo(lcPlan) << "the plan's" << kCapNames[hungUpCap] << "cap for" << tracked->plan.name
                       << "is reached: hanging up";
        m_hungUp = true;
        if (m_hangUp)
            m_hangUp();
    }
    announce(*tracked, used, hungUpCap);

    return hintLines(*tracked, used, nowMs);
}

QStringList PlanTracker::followedProviders() const
{
    QStringList names;
    for (const Tracked &tracked : m_tracked)
        names.append(tracked.plan.name);
    return names;
}

std::optional<PlanTracker::DailyUse> PlanTracker::dailyUse(const QString &provider)
{
    followPeriods();
    Tracked *tracked = find(provider);
    if (!tracked)
        return std::nullopt;
    DailyUse use{
        tracked->plan, tracked->days, tracked->usage.trafficMB(), tracked->usage.cost(), {}};
    use.days.advanceTo(m_clock.now());
    if (tracked->liveTime >= 0 &&
        use.days.addRunning({tracked->liveTime, 0, tracked->liveBytes, 0, tracked->liveCost})) {
        use.trafficMB += double(std::max<qint64>(tracked->liveBytes, 0)) / PlanUsage::kBytesPerMB;
        use.cost += tracked->liveCost;
    }
    const double used[CapCount] = {use.trafficMB, use.cost};
    use.lines = hintLines(*tracked, used, nowMs());
    return use;
}

QString PlanTracker::hintLines(Tracked &tracked, const double used[CapCount], qint64 nowMs)
{
    // The lines change only when a figure they show changes: most ticks
    // hand out the text of the tick before.
    bool changed = false;
    for (int cap = 0; cap < CapCount; ++cap) {
        const double limit = capOf(tracked.plan, Cap(cap));
        LineFigures figures;
        if (limit > 0) {
            const double scale = lineScale(Cap(cap), limit);
            figures.used = std::llround(used[cap] * scale);
            figures.limit = std::llround(limit * scale);
            figures.percent = qint64(std::floor(used[cap] / limit * kCapPercent));
            // Use scaled to the whole period, once an hour of it has passed.
            const qint64 elapsed = nowMs - tracked.startMs;
            if (elapsed >= kOneHourMs)
                figures.projected = std::llround(
                    used[cap] * scale * double(tracked.endMs - tracked.startMs) / double(elapsed));
        }
        ShownLine &shown = tracked.shown[cap];
        if (figures == shown.figures)
            continue;
        if (limit > 0)
            updateLine(shown, Cap(cap), limit, figures);
        else
            shown = ShownLine();
        changed = true;
    }
    if (changed) {
        tracked.hint.clear();
        for (const ShownLine &shown : tracked.shown) {
            if (shown.line.isEmpty())
                continue;
            if (!tracked.hint.isEmpty())
                tracked.hint += QStringLiteral("\r\n");
            tracked.hint += shown.line;
        }
    }
    return tracked.hint;
}

void PlanTracker::announce(Tracked &tracked, const double used[CapCount], int hungUpCap)
{
    const ProviderPlan &plan = tracked.plan;
    // An alert level of 0 would speak at once, one of 100 or more is the cap.
    const bool early = plan.alertAt > 0 && plan.alertAt < kCapPercent;
    const double levels[] = {plan.alertAt, kCapPercent};
    const std::span<const double> thresholds(levels + (early ? 0 : 1), early ? 2 : 1);

    bool changed = false;
    for (int cap = 0; cap < CapCount; ++cap) {
        const double limit = capOf(plan, Cap(cap));
        if (limit <= 0)
            continue;
        QList<double> &reached = tracked.reached[cap];
        std::optional<double> highest;
        for (double threshold : thresholds) {
            if (used[cap] < limit * threshold / kCapPercent || reached.contains(threshold))
                continue;
            reached.append(threshold);
            highest = threshold;
            changed = true;
        }
        // A sentence for each cap, since the cap's name takes a different
        // form in each sentence of other languages.
        QString text;
        if (cap == hungUpCap) {
            text = (cap == Traffic ? tr("The plan's traffic cap for %1 is reached: the connection "
                                        "was hung up.")
                                   : tr("The plan's cost cap for %1 is reached: the connection "
                                        "was hung up."))
                       .arg(plan.name);
        } else if (highest && *highest >= kCapPercent) {
            text = (cap == Traffic ? tr("The plan's traffic cap for %1 is reached.")
                                   : tr("The plan's cost cap for %1 is reached."))
                       .arg(plan.name);
        } else if (highest) {
            text = (cap == Traffic ? tr("%1 has used %2% of the plan's traffic cap.")
                                   : tr("%1 has used %2% of the plan's cost cap."))
                       .arg(plan.name, TextForms::numberText(*highest, m_locale));
        }
        if (!text.isEmpty())
            m_view.showBalloon(QStringLiteral("Dialometer"), text, kBalloonSeconds);
    }
    if (changed)
        saveAlerts();
}

double PlanTracker::lineScale(Cap cap, double limit)
{
    // Tenths of a GB or MB, cents.
    if (cap == Money)
        return 100.0;
    return limit >= kMBPerGB ? 10.0 / kMBPerGB : 10.0;
}

QString PlanTracker::amountText(Cap cap, double limit, qint64 steps) const
{
    if (cap == Money)
        return TextForms::moneyText(double(steps) / lineScale(cap, limit), m_locale).trimmed();
    return m_locale.toString(double(steps) / 10.0, 'f', 1);
}

void PlanTracker::updateLine(ShownLine &shown, Cap cap, double limit,
                             const LineFigures &figures) const
{
    // Each amount is written only when its figure changed.
    const bool all = figures.limit != shown.figures.limit;
    if (all)
        shown.limit = amountText(cap, limit, figures.limit);
    if (all || figures.used != shown.figures.used)
        shown.used = amountText(cap, limit, figures.used);
    if (all || figures.projected != shown.figures.projected)
        shown.projected =
            figures.projected < 0 ? QString() : amountText(cap, limit, figures.projected);
    shown.figures = figures;

    const QString unit = cap == Money        ? QString()
                         : limit >= kMBPerGB ? QStringLiteral(" GB")
                                             : QStringLiteral(" MB");
    const QString percent = QString::number(figures.percent);
    if (shown.projected.isEmpty())
        shown.line = tr("Plan: %1 of %2 (%3%)").arg(shown.used, shown.limit + unit, percent);
    else
        shown.line = tr("Plan: %1 of %2 (%3%), period end about %4")
                         .arg(shown.used, shown.limit + unit, percent, shown.projected + unit);
}

void PlanTracker::loadAlerts()
{
    XmlDocument document;
    if (!QFileInfo::exists(m_alertsPath))
        return;
    if (!LoadDocument(m_alertsPath, document)) {
        qCWarning(lcPlan) << m_alertsPath << "cannot be read; alerts may be shown again";
        return;
    }
    for (pugi::xml_node alert = document.root().child("Alert"); alert;
         alert = alert.next_sibling("Alert")) {
        const QString provider = attributeText(alert, "Provider");
        const QString period = attributeText(alert, "PeriodStart");
        const QString capName = attributeText(alert, "Cap");
        bool ok = false;
        const double percent = attributeText(alert, "Percent").toDouble(&ok);
        const int cap = capName == QLatin1String(kCapNames[Traffic]) ? Traffic
                        : capName == QLatin1String(kCapNames[Money]) ? Money
                                                                     : -1;
        if (!ok || cap < 0)
            continue;
        for (Tracked &tracked : m_tracked) {
            if (tracked.plan.name == provider && periodText(tracked.startDays) == period &&
                !tracked.reached[cap].contains(percent))
                tracked.reached[cap].append(percent);
        }
    }
}

void PlanTracker::saveAlerts() const
{
    // Only the current periods' alerts: older ones are of no more use.
    XmlDocument document;
    pugi::xml_node root = document.addRoot("PlanAlerts");
    for (const Tracked &tracked : m_tracked) {
        for (int cap = 0; cap < CapCount; ++cap) {
            for (double percent : tracked.reached[cap]) {
                pugi::xml_node alert = root.append_child("Alert");
                setAttributeText(alert, "Provider", tracked.plan.name);
                setAttributeText(alert, "PeriodStart", periodText(tracked.startDays));
                setAttributeText(alert, "Cap", QLatin1String(kCapNames[cap]));
                setAttributeText(alert, "Percent", MachineText::plainNumber(percent));
            }
        }
    }
    if (!SaveDocument(m_alertsPath, document))
        qCWarning(lcPlan) << m_alertsPath << "cannot be written; alerts may be shown again";
}
