#include "plans/PlanDays.h"

#include "core/TextForms.h"

#include <algorithm>

PlanDays::PlanDays(const PlanPeriod &period, const QDateTime &at)
    : m_period(period), m_first(period.start.date()), m_startDays(TextForms::toDays(period.start)),
      m_endDays(TextForms::toDays(period.end))
{
    advanceTo(at);
}

void PlanDays::advanceTo(const QDateTime &at)
{
    if (m_at.isValid() && at <= m_at)
        return;
    m_at = at;
    m_atDays = TextForms::toDays(at);
    // The period's last day at most; a moment before the period has no days.
    const QDate last = std::min(at.date(), m_period.end.date().addDays(-1));
    for (QDate day = m_first.addDays(m_days.size()); day <= last; day = day.addDays(1))
        m_days.append(PlanDay{day});
}

PlanDay *PlanDays::dayOf(double time)
{
    if (time < m_startDays || time >= m_endDays || time > m_atDays)
        return nullptr;
    QDate date;
    QTime clockTime;
    if (!TextForms::splitDays(time, &date, &clockTime))
        return nullptr;
    const qint64 index = m_first.daysTo(date);
    return index < 0 || index >= m_days.size() ? nullptr : &m_days[index];
}

bool PlanDays::addRunning(const PlanSession &connection)
{
    PlanDay *day = dayOf(connection.time);
    if (!day)
        return false;
    day->durationDays += connection.durationDays;
    // As the period's figures: a damaged, negative counter counts nothing.
    day->bytes +=
        std::max<qint64>(connection.bytesIn, 0) + std::max<qint64>(connection.bytesOut, 0);
    day->cost += connection.cost;
    return true;
}

bool PlanDays::add(const PlanSession &session)
{
    if (!addRunning(session))
        return false;
    ++dayOf(session.time)->sessions;
    return true;
}

int PlanDays::daysLeft() const
{
    const QDate last = m_period.end.date().addDays(-1);
    return int(std::max<qint64>(1, m_at.date().daysTo(last) + 1));
}

std::optional<double> PlanDays::dailyBudget(double cap, double used) const
{
    if (cap <= 0)
        return std::nullopt;
    return std::max(0.0, cap - used) / daysLeft();
}

std::optional<double> PlanDays::projected(double used) const
{
    constexpr qint64 kOneHourMs = 3600 * 1000;
    // Real elapsed time, as the period's projection.
    const qint64 elapsed = m_period.start.msecsTo(m_at);
    if (elapsed < kOneHourMs)
        return std::nullopt;
    return used * double(m_period.start.msecsTo(m_period.end)) / double(elapsed);
}
