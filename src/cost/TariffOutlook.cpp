#include "cost/TariffOutlook.h"

#include "core/TextForms.h"
#include "cost/TariffCost.h"
#include "store/ConfigDocument.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 kMsPerDay = 86400000;
constexpr qint64 kMsPerMinute = 60000;
const QDate kDayZero(1899, 12, 30);

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Day 0 was a Saturday; 0 is Monday.
int weekdayIndex(qint64 day)
{
    return int(((5 + day) % 7 + 7) % 7);
}

double priceOf(pugi::xml_node tariff, const char *name)
{
    double value = 0.0;
    if (!TextForms::parseNumber(attributeText(tariff, name), &value))
        return 0.0;
    return value;
}

// Costs that differ only by rounding are equal: the earlier start wins.
bool cheaper(double cost, double best)
{
    return cost < best - 1e-9 * std::max(1.0, std::fabs(best));
}

} // namespace

ClockMs ToClockMs(const QDate &date, const QTime &time)
{
    return kDayZero.daysTo(date) * kMsPerDay + (time.isValid() ? time.msecsSinceStartOfDay() : 0);
}

ClockMs ToClockMs(const QDateTime &local)
{
    const QDateTime l = local.timeSpec() == Qt::LocalTime ? local : local.toLocalTime();
    return ToClockMs(l.date(), l.time());
}

double ClockMsToDays(ClockMs ms)
{
    const qint64 day = floorDiv(ms, kMsPerDay);
    // Before day 0 the fraction counts away from it, as days values do.
    const double fraction = double(ms - day * kMsPerDay) / double(kMsPerDay);
    return day < 0 ? double(day) - fraction : double(day) + fraction;
}

TariffOutlook::TariffOutlook(const XmlDocument &config, pugi::xml_node provider)
{
    if (!provider)
        return;
    double fee = 0.0;
    if (TextForms::parseNumber(attributeText(provider, "PayConn"), &fee))
        m_fee = fee;
    for (int weekday = 1; weekday <= 7; ++weekday) {
        QList<Interval> &day = m_week[weekday - 1];
        for (const TariffPiece &piece : TariffDayPieces(provider, weekday)) {
            const int tariff = piece.type.isEmpty() ? -1 : tariffIndex(config, piece.type);
            // Two IDs that name no tariff type are the same: none.
            if (day.isEmpty() || day.last().tariff != tariff)
                day.append({piece.startMs, tariff});
        }
    }
}

int TariffOutlook::tariffIndex(const XmlDocument &config, const QString &id)
{
    const auto known = m_indexOfId.constFind(id);
    if (known != m_indexOfId.constEnd())
        return *known;
    int index = -1;
    const pugi::xml_node tariff =
        FindChildByAttribute(config.root().child("TariffTypes"), QStringLiteral("ID"), id);
    if (tariff) {
        index = int(m_tariffs.size());
        m_tariffs.append({id, attributeText(tariff, "Name"), priceOf(tariff, "Minute"),
                          priceOf(tariff, "Input"), priceOf(tariff, "Output")});
    }
    m_indexOfId.insert(id, index);
    return index;
}

int TariffOutlook::tariffAt(ClockMs at, ClockMs *intervalEnd) const
{
    const qint64 day = floorDiv(at, kMsPerDay);
    const qint64 msOfDay = at - day * kMsPerDay;
    const QList<Interval> &intervals = m_week[weekdayIndex(day)];
    const auto next =
        std::upper_bound(intervals.begin(), intervals.end(), msOfDay,
                         [](qint64 ms, const Interval &interval) { return ms < interval.startMs; });
    *intervalEnd = day * kMsPerDay + (next == intervals.end() ? kMsPerDay : next->startMs);
    return next == intervals.begin() ? -1 : std::prev(next)->tariff;
}

std::optional<TariffPrices> TariffOutlook::prices(int tariff) const
{
    if (tariff < 0)
        return std::nullopt;
    return m_tariffs.at(tariff);
}

TariffInForce TariffOutlook::inForce(ClockMs at) const
{
    TariffInForce result;
    ClockMs end = 0;
    const int tariff = tariffAt(at, &end);
    result.tariff = prices(tariff);
    const ClockMs horizon = at + lookAheadDays() * kMsPerDay;
    while (end <= horizon) {
        ClockMs next = 0;
        if (tariffAt(end, &next) != tariff) {
            result.until = end;
            break;
        }
        end = next;
    }
    return result;
}

double TariffOutlook::minuteCost(ClockMs from, ClockMs to) const
{
    double cost = 0.0;
    for (ClockMs at = from; at < to;) {
        ClockMs end = 0;
        const int tariff = tariffAt(at, &end);
        end = std::min(end, to);
        if (tariff >= 0)
            cost += m_tariffs.at(tariff).minute * double(end - at) / double(kMsPerMinute);
        at = end;
    }
    return cost;
}

double TariffOutlook::connectionCost(ClockMs start, qint64 minutes) const
{
    return m_fee + minuteCost(start, start + minutes * kMsPerMinute);
}

std::optional<CheapestStart> TariffOutlook::cheapest(ClockMs from, qint64 minutes,
                                                     qint64 hours) const
{
    if (!hasTariffs())
        return std::nullopt;
    const qint64 length = minutes * kMsPerMinute;
    const ClockMs first = floorDiv(from + kMsPerMinute - 1, kMsPerMinute) * kMsPerMinute;
    const ClockMs last = floorDiv(from + hours * 3600000, kMsPerMinute) * kMsPerMinute;
    if (last < first)
        return std::nullopt;

    // The cost of a start is linear between the starts at which the start or
    // the end of the connection meets a change of type, so the cheapest
    // start on the grid lies next to one of them or at an end of the window.
    QList<ClockMs> candidates{first, last};
    const auto addAround = [&](ClockMs point) {
        const ClockMs below = floorDiv(point, kMsPerMinute) * kMsPerMinute;
        for (const ClockMs start : {below, below + kMsPerMinute}) {
            if (start >= first && start <= last)
                candidates.append(start);
        }
    };
    for (ClockMs at = first - length; at < last + length;) {
        ClockMs change = 0;
        tariffAt(at, &change);
        if (change > first - length && change <= last + length) {
            addAround(change);
            addAround(change - length);
        }
        at = change;
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());

    CheapestStart best;
    bool found = false;
    for (const ClockMs start : std::as_const(candidates)) {
        const double cost = connectionCost(start, minutes);
        if (!found || cheaper(cost, best.cost)) {
            best.start = start;
            best.cost = cost;
            found = true;
        }
    }
    ClockMs end = 0;
    best.tariff = prices(tariffAt(best.start, &end));
    return best;
}
