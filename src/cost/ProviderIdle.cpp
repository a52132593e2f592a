#include "cost/ProviderIdle.h"

#include "store/NumberAttributes.h"

#include <cmath>

ProviderIdle ReadProviderIdle(pugi::xml_node provider, const QLocale &locale)
{
    ProviderIdle idle;
    double value = 0;
    if (ReadNumberAttribute(provider, "IdleMinutes", locale, &value) && value >= 0 &&
        value <= ProviderIdle::kMaxMinutes && value == std::floor(value))
        idle.minutes = int(value);
    if (ReadNumberAttribute(provider, "IdleBelow", locale, &value) && value >= 0)
        idle.bytesPerSecond = value;
    return idle;
}

void WriteProviderIdle(pugi::xml_node provider, const ProviderIdle &idle, const QLocale &locale)
{
    WriteNumberAttribute(provider, "IdleMinutes", idle.minutes, 0, locale);
    WriteNumberAttribute(provider, "IdleBelow", idle.bytesPerSecond, ProviderIdle::kDefaultBelow,
                         locale);
}
