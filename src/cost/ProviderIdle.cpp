#include "cost/ProviderIdle.h"

#include "core/TextForms.h"

#include <cmath>

namespace {

bool readNumber(pugi::xml_node provider, const char *attribute, const QLocale &locale,
                double *value)
{
    const QString text = attributeText(provider, attribute).trimmed();
    return !text.isEmpty() && TextForms::parseNumber(text, value, locale);
}

void writeNumber(pugi::xml_node provider, const char *attribute, double value, double defaultValue,
                 const QLocale &locale)
{
    double present = 0;
    if (readNumber(provider, attribute, locale, &present) && present == value)
        return;
    if (value == defaultValue)
        provider.remove_attribute(attribute);
    else
        setAttributeText(provider, attribute, TextForms::numberText(value, locale));
}

} // namespace

ProviderIdle ReadProviderIdle(pugi::xml_node provider, const QLocale &locale)
{
    ProviderIdle idle;
    double value = 0;
    if (readNumber(provider, "IdleMinutes", locale, &value) && value >= 0 &&
        value <= ProviderIdle::kMaxMinutes && value == std::floor(value))
        idle.minutes = int(value);
    if (readNumber(provider, "IdleBelow", locale, &value) && value >= 0)
        idle.bytesPerSecond = value;
    return idle;
}

void WriteProviderIdle(pugi::xml_node provider, const ProviderIdle &idle, const QLocale &locale)
{
    writeNumber(provider, "IdleMinutes", idle.minutes, 0, locale);
    writeNumber(provider, "IdleBelow", idle.bytesPerSecond, ProviderIdle::kDefaultBelow, locale);
}
