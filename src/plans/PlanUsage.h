#pragma once

#include "plans/ProviderPlan.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// One billing period of a plan, in local time: [start, end), each at the
// start of its day.
struct PlanPeriod
{
    QDateTime start;
    QDateTime end;

    // The period of a plan starting on periodStart (1..31; a day past the
    // month's end is its last day) that holds the local time at.
    static PlanPeriod containing(int periodStart, const QDateTime &at);
    // The first day of each month whose file may hold sessions of the period
    // up to at, earliest first.
    QList<QDate> months(const QDateTime &at) const;
};

// A finished connection as a plan counts it. Time and duration are days as
// the month files keep them (local wall clock).
struct PlanSession
{
    double time = 0;
    double durationDays = 0;
    qint64 bytesIn = 0;
    qint64 bytesOut = 0;
    double cost = 0;
};

// The use of one provider's plan in the period that holds at, summed from
// sessions given one by one (the month files' records, later the appended
// ones). Sessions of the period after at are not counted.
class PlanUsage
{
public:
    static constexpr double kBytesPerMB = 1048576.0;

    PlanUsage(ProviderPlan plan, const QDateTime &at);

    const ProviderPlan &plan() const { return m_plan; }
    const PlanPeriod &period() const { return m_period; }
    QDateTime at() const { return m_at; }

    // Counts a session when its Time lies in [start, end) and not after at;
    // true when it was counted.
    bool add(const PlanSession &session);
    // Moves the moment of the count to a later at, so that sessions up to it
    // count (a running program keeps adding the sessions it records). An
    // earlier at changes nothing.
    void advanceTo(const QDateTime &at);

    int sessions() const { return m_sessions; }
    double seconds() const { return m_durationDays * 86400.0; }
    double trafficMB() const { return double(m_bytes) / kBytesPerMB; }
    double cost() const { return m_cost; }

    // Use scaled to the whole period (use x period length / time elapsed),
    // given once at least one hour of the period has passed.
    std::optional<double> projectedTrafficMB() const;
    std::optional<double> projectedCost() const;

private:
    std::optional<double> projected(double value) const;

    ProviderPlan m_plan;
    QDateTime m_at;
    PlanPeriod m_period;
    double m_startDays = 0;
    double m_endDays = 0;
    double m_atDays = 0;
    int m_sessions = 0;
    double m_durationDays = 0;
    qint64 m_bytes = 0;
    double m_cost = 0;
};

// Counts the sessions of the month files in logsDir into each usage by its
// provider's name (ConnectName). Each file the periods need is read once and
// never written; a missing file counts nothing, a damaged one is left out
// and logged. counted, when given, is told of each session a usage counted,
// with the usage's index.
using CountedSession = std::function<void(qsizetype usage, const PlanSession &session)>;
void CountMonthFiles(const QString &logsDir, QList<PlanUsage> &usages,
                     const CountedSession &counted = {});
