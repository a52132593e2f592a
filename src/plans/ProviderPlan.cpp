#include "plans/ProviderPlan.h"

#include "core/LogCategories.h"
#include "core/TextForms.h"
#include "store/ConfigDocument.h"

#include <cmath>
#include <utility>

namespace {

// The number of an attribute; false when it is missing or blank, and also,
// with a message, when it is not a number.
bool readNumber(pugi::xml_node provider, const char *attribute, const QLocale &locale,
                double *value)
{
    const QString text = attributeText(provider, attribute).trimmed();
    if (text.isEmpty())
        return false;
    if (TextForms::parseNumber(text, value, locale))
        return true;
    qCWarning(lcPlan) << "provider" << attributeText(provider, "Name") << ":" << attribute << "\""
                      << text << "\" is not a number; the default applies";
    return false;
}

bool inRange(pugi::xml_node provider, const char *attribute, double value, bool valid)
{
    if (!valid) {
        qCWarning(lcPlan) << "provider" << attributeText(provider, "Name") << ":" << attribute
                          << value << "is out of range; the default applies";
    }
    return valid;
}

// Writes one number: kept when its text already reads as value, removed when
// value is the default, written otherwise.
void writeNumber(pugi::xml_node provider, const char *attribute, double value, double defaultValue,
                 const QLocale &locale)
{
    double present = 0;
    const QString text = attributeText(provider, attribute).trimmed();
    if (!text.isEmpty() && TextForms::parseNumber(text, &present, locale) && present == value)
        return;
    if (value == defaultValue)
        provider.remove_attribute(attribute);
    else
        setAttributeText(provider, attribute, TextForms::numberText(value, locale));
}

} // namespace

ProviderPlan ReadProviderPlan(pugi::xml_node provider, const QLocale &locale)
{
    ProviderPlan plan;
    plan.name = attributeText(provider, "Name");
    double value = 0;
    if (readNumber(provider, "PeriodStart", locale, &value) &&
        inRange(provider, "PeriodStart", value,
                value >= 1 && value <= 31 && value == std::floor(value)))
        plan.periodStart = int(value);
    if (readNumber(provider, "TrafficCap", locale, &value) &&
        inRange(provider, "TrafficCap", value, value >= 0))
        plan.trafficCapMB = value;
    if (readNumber(provider, "CostCap", locale, &value) &&
        inRange(provider, "CostCap", value, value >= 0))
        plan.costCap = value;
    if (readNumber(provider, "AlertAt", locale, &value) &&
        inRange(provider, "AlertAt", value, value >= 0))
        plan.alertAt = value;
    plan.hangUpAtCap = attributeText(provider, "HangUpAtCap").trimmed() == QLatin1String("1");
    return plan;
}

QList<ProviderPlan> ReadProviderPlans(const XmlDocument &config, const QLocale &locale)
{
    QList<ProviderPlan> plans;
    // The providers as the program lists them.
    QList<SectionItem> providers;
    ListSectionItems(config, QStringLiteral("ISP"), providers, 0);
    for (const SectionItem &provider : std::as_const(providers))
        plans.append(ReadProviderPlan(provider.element, locale));
    return plans;
}

void WriteProviderPlan(pugi::xml_node provider, const ProviderPlan &plan, const QLocale &locale)
{
    const ProviderPlan defaults;
    writeNumber(provider, "PeriodStart", plan.periodStart, defaults.periodStart, locale);
    writeNumber(provider, "TrafficCap", plan.hasTrafficCap() ? plan.trafficCapMB : 0, 0, locale);
    writeNumber(provider, "CostCap", plan.hasCostCap() ? plan.costCap : 0, 0, locale);
    writeNumber(provider, "AlertAt", plan.alertAt, defaults.alertAt, locale);
    const bool hangingUp = attributeText(provider, "HangUpAtCap").trimmed() == QLatin1String("1");
    if (plan.hangUpAtCap && !hangingUp)
        setAttributeText(provider, "HangUpAtCap", QStringLiteral("1"));
    else if (!plan.hangUpAtCap && hangingUp)
        provider.remove_attribute("HangUpAtCap");
}
