#pragma once

#include "plans/PlanUsage.h"

#include <QDate>
#include <QList>

#include <optional>

// One calendar day of a plan's period.
struct PlanDay
{
    QDate date;
    int sessions = 0;
    double durationDays = 0;
    qint64 bytes = 0;
    double cost = 0;

    double seconds() const { return durationDays * 86400.0; }
    double trafficMB() const { return double(bytes) / PlanUsage::kBytesPerMB; }
    bool operator==(const PlanDay &) const = default;
};

// The use of a plan's period day by day: one entry per calendar day from the
// period's first day up to and including the day of at, days without
// sessions included. A session counts on the local day its Time falls on
// (the day the month files keep it under), and only when the period's
// figures count it (in the period, not after at).
class PlanDays
{
public:
    PlanDays() = default;
    PlanDays(const PlanPeriod &period, const QDateTime &at);
    explicit PlanDays(const PlanUsage &usage) : PlanDays(usage.period(), usage.at()) {}

    const PlanPeriod &period() const { return m_period; }
    QDateTime at() const { return m_at; }
    const QList<PlanDay> &days() const { return m_days; }

    // True when the session was counted.
    bool add(const PlanSession &session);
    // A connection still up: its figures so far count on the day it began,
    // but it is not yet a session.
    bool addRunning(const PlanSession &connection);
    // Moves the moment to a later at inside the period; the days up to its
    // day are added empty. An earlier at changes nothing.
    void advanceTo(const QDateTime &at);

    // The calendar days from the day of at to the period's last day, both
    // counted (at least 1).
    int daysLeft() const;
    // What is left of cap after used, spread over daysLeft(); none without a
    // cap (cap <= 0), 0 once the cap is used up.
    std::optional<double> dailyBudget(double cap, double used) const;
    // used scaled to the whole period (length / time elapsed up to at), once
    // an hour of the period has passed.
    std::optional<double> projected(double used) const;

private:
    // The day a session of the period counts on; nullptr when it does not.
    PlanDay *dayOf(double time);

    PlanPeriod m_period;
    QDateTime m_at;
    QDate m_first;
    double m_startDays = 0;
    double m_endDays = 0;
    double m_atDays = 0;
    QList<PlanDay> m_days;
};
