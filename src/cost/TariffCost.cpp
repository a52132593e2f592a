#include "cost/TariffCost.h"

#include "core/TextForms.h"
#include "store/ConfigDocument.h"

#include <cmath>
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

} // namespace

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

pugi::xml_node TariffDay(pugi::xml_node provider, int weekday)
{
    if (!provider || weekday < 1 || weekday > DayNames.size())
        return pugi::xml_node();
    return provider.child(DayNames.at(weekday - 1).toUtf8().constData());
}

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
    if (type.isEmpty())
        return price;
    const pugi::xml_node tariffTypes = config.root().child("TariffTypes");
    const pugi::xml_node tariff = FindChildByAttribute(tariffTypes, QStringLiteral("ID"), type);
    if (!tariff)
        return price;
    price.tariffType = type;
    const std::pair<const char *, double> used[] = {{"Minute", quantities.minutes},
                                                    {"Input", quantities.megabytesIn},
                                                    {"Output", quantities.megabytesOut}};
    for (const auto &[name, quantity] : used) {
        if (!hasAttribute(tariff, name) || !std::isfinite(quantity))
            continue;
        double unitPrice = 0.0;
        if (TextForms::parseNumber(attributeText(tariff, name), &unitPrice))
            price.cost += unitPrice * quantity;
    }
    return price;
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
