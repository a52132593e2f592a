#include "cost/TariffCost.h"

#include "core/TextForms.h"
#include "store/ConfigDocument.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

constexpr double kMsPerDay = 86400000.0;

// Times compare in whole milliseconds, so that a range's start given as
// "08:00" and a clock reading of 08:00:00.000 are equal whatever rounding
// the two fractions went through.
qint64 toMs(double fraction)
{
    return std::llround(fraction * kMsPerDay);
}

// The value of "name=value" in the list; null when the name is missing.
QString quantityValue(const QStringList &quantities, const char *name)
{
    const QLatin1String wanted(name);
    for (const QString &entry : quantities) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        if (QStringView(entry).left(eq).compare(wanted, Qt::CaseInsensitive) == 0)
            return entry.mid(eq + 1);
    }
    return QString();
}

// One time range of a day element that can be in force: from startMs
// (inclusive) to endMs (exclusive), in ms of the day; node is the range
// element, whose TariffType is read only when it matches.
struct TariffRange
{
    qint64 startMs = 0;
    qint64 endMs = 0;
    pugi::xml_node node;
};

// Reads a range element; false when it never matches (a time missing or not
// a time, or an end not after the start).
bool ReadTariffRange(pugi::xml_node range, TariffRange *out)
{
    double start = 0.0;
    double end = 0.0;
    if (!hasAttribute(range, "Time1") || !hasAttribute(range, "Time2") ||
        !TextForms::parseTimeOfDay(attributeText(range, "Time1"), &start) ||
        !TextForms::parseTimeOfDay(attributeText(range, "Time2"), &end))
        return false;
    out->startMs = toMs(start);
    out->endMs = toMs(end);
    out->node = range;
    return out->startMs < out->endMs;
}

// Whether the range decides the type at msOfDay: it holds that time and has
// a TariffType, whose text goes to *type (empty: the default applies).
bool TariffRangeDecides(const TariffRange &range, qint64 msOfDay, QString *type)
{
    // A range without a tariff type leaves the choice to later ranges; an
    // empty one ends the search and the default applies.
    if (msOfDay < range.startMs || msOfDay >= range.endMs ||
        !hasAttribute(range.node, "TariffType"))
        return false;
    *type = attributeText(range.node, "TariffType");
    return true;
}

// The provider's day element of a weekday (1 Monday .. 7 Sunday), or none.
pugi::xml_node TariffDay(pugi::xml_node provider, int weekday)
{
    if (!provider || weekday < 1 || weekday > DayNames.size())
        return pugi::xml_node();
    return provider.child(DayNames.at(weekday - 1).toUtf8().constData());
}

} // namespace

QString TariffTypeAt(pugi::xml_node provider, const QDate &date, double timeOfDay)
{
    if (!provider)
        return QString();
    QString type;
    const qint64 now = toMs(timeOfDay);
    TariffRange range;
    for (pugi::xml_node item = TariffDay(provider, date.dayOfWeek()).first_child(); item;
         item = item.next_sibling()) {
        if (ReadTariffRange(item, &range) && TariffRangeDecides(range, now, &type))
            break;
    }
    if (type.isEmpty())
        type = attributeText(provider, "DefCost");
    return type;
}

namespace {

// The price of the quantities under the tariff type of that ID; nothing when
// no tariff type has it.
std::optional<double> priceUnderType(const XmlDocument &config, const QString &type,
                                     const IntervalQuantities &quantities)
{
    if (type.isEmpty())
        return std::nullopt;
    const pugi::xml_node tariffTypes = config.root().child("TariffTypes");
    const pugi::xml_node tariff = FindChildByAttribute(tariffTypes, QStringLiteral("ID"), type);
    if (!tariff)
        return std::nullopt;
    double cost = 0.0;
    const std::pair<const char *, double> used[] = {{"Minute", quantities.minutes},
                                                    {"Input", quantities.megabytesIn},
                                                    {"Output", quantities.megabytesOut}};
    for (const auto &[name, quantity] : used) {
        if (!hasAttribute(tariff, name) || !std::isfinite(quantity))
            continue;
        double unitPrice = 0.0;
        if (TextForms::parseNumber(attributeText(tariff, name), &unitPrice))
            cost += unitPrice * quantity;
    }
    return cost;
}

} // namespace

QList<TariffPiece> TariffDayPieces(pugi::xml_node provider, int weekday)
{
    QList<TariffRange> ranges;
    QList<qint64> starts{0};
    TariffRange range;
    for (pugi::xml_node item = TariffDay(provider, weekday).first_child(); item;
         item = item.next_sibling()) {
        if (ReadTariffRange(item, &range)) {
            ranges.append(range);
            starts << range.startMs << range.endMs;
        }
    }
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    // Between two starts the same ranges hold, so the type found at the
    // first holds up to the next.
    const QString defaultType = attributeText(provider, "DefCost");
    QList<TariffPiece> pieces;
    for (const qint64 start : std::as_const(starts)) {
        if (start >= qint64(kMsPerDay))
            break;
        QString type;
        for (const TariffRange &candidate : std::as_const(ranges)) {
            if (TariffRangeDecides(candidate, start, &type))
                break;
        }
        if (type.isEmpty())
            type = defaultType;
        if (pieces.isEmpty() || pieces.last().type != type)
            pieces.append({start, type});
    }
    return pieces;
}

IntervalPrice PriceInterval(const XmlDocument &config, pugi::xml_node provider,
                            const IntervalQuantities &quantities, double timeOfDay,
                            const Clock &clock)
{
    IntervalPrice price;
    if (!provider)
        return price;
    QDateTime now = clock.now();
    if (now.timeSpec() != Qt::LocalTime)
        now = now.toLocalTime();
    const QString type = TariffTypeAt(provider, now.date(), timeOfDay);
    if (const std::optional<double> cost = priceUnderType(config, type, quantities)) {
        price.cost = *cost;
        price.tariffType = type;
    }
    return price;
}

double SpanCost(const XmlDocument &config, pugi::xml_node provider, const QDateTime &from,
                const QDateTime &to, double megabytesIn, double megabytesOut)
{
    const qint64 endMs = to.toMSecsSinceEpoch();
    const qint64 spanMs = endMs - from.toMSecsSinceEpoch();
    if (!provider || spanMs <= 0)
        return 0.0;
    // The schedule repeats every week: each weekday's pieces are read once.
    QList<TariffPiece> byWeekday[7];
    double cost = 0.0;
    for (qint64 atMs = from.toMSecsSinceEpoch(); atMs < endMs;) {
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(atMs).toLocalTime();
        const QDate date = at.date();
        QList<TariffPiece> &pieces = byWeekday[date.dayOfWeek() - 1];
        if (pieces.isEmpty())
            pieces = TariffDayPieces(provider, date.dayOfWeek());
        const qint64 clockMs = at.time().msecsSinceStartOfDay();
        const auto next = std::upper_bound(
            pieces.cbegin(), pieces.cend(), clockMs,
            [](qint64 ms, const TariffPiece &piece) { return ms < piece.startMs; });
        const QString &type = std::prev(next)->type;
        const qint64 boundaryMs = next == pieces.cend() ? qint64(kMsPerDay) : next->startMs;
        const QDateTime boundary =
            next == pieces.cend()
                ? date.addDays(1).startOfDay()
                : QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(boundaryMs)));
        qint64 nextMs = boundary.isValid() ? boundary.toMSecsSinceEpoch() : atMs;
        // An hour that the clock repeats at the end of summer time: the
        // boundary's first occurrence lies behind, its second one ahead.
        if (nextMs <= atMs)
            nextMs = atMs + (boundaryMs - clockMs);
        nextMs = std::min(nextMs, endMs);
        const double share = double(nextMs - atMs) / double(spanMs);
        const IntervalQuantities quantities{double(nextMs - atMs) / 60000.0, megabytesIn * share,
                                            megabytesOut * share};
        cost += priceUnderType(config, type, quantities).value_or(0.0);
        atMs = nextMs;
    }
    return cost;
}

double IntervalCost(const XmlDocument &config, pugi::xml_node provider,
                    const IntervalQuantities &quantities, double timeOfDay, const Clock &clock)
{
    return PriceInterval(config, provider, quantities, timeOfDay, clock).cost;
}

IntervalQuantities QuantitiesFromList(const QStringList &quantities)
{
    IntervalQuantities result;
    const std::pair<const char *, double *> named[] = {{"Minute", &result.minutes},
                                                       {"Input", &result.megabytesIn},
                                                       {"Output", &result.megabytesOut}};
    for (const auto &[name, value] : named)
        TextForms::parseNumber(quantityValue(quantities, name), value); // else it stays 0
    return result;
}

IntervalPrice PriceInterval(const XmlDocument &config, pugi::xml_node provider,
                            const QStringList &quantities, double timeOfDay, const Clock &clock)
{
    return PriceInterval(config, provider, QuantitiesFromList(quantities), timeOfDay, clock);
}

double IntervalCost(const XmlDocument &config, pugi::xml_node provider,
                    const QStringList &quantities, double timeOfDay, const Clock &clock)
{
    return PriceInterval(config, provider, quantities, timeOfDay, clock).cost;
}
