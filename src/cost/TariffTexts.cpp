#include "cost/TariffTexts.h"

#include "core/Clock.h"
#include "core/TextForms.h"
#include "store/ConfigDocument.h"
#include "store/XmlDocument.h"

#include <QLocale>

namespace {

constexpr qint64 kMsPerMinute = 60000;
constexpr qint64 kMsPerDay = 86400000;
constexpr int kCheapestMinutes = 60;
constexpr int kCheapestHours = 24;

QString tariffName(const TariffPrices &tariff)
{
    return tariff.name.isEmpty() ? tariff.id : tariff.name;
}

QString money(double value)
{
    return TextForms::moneyText(value).trimmed();
}

QString clockTime(ClockMs at)
{
    const qint64 ms = ((at % kMsPerDay) + kMsPerDay) % kMsPerDay;
    return TextForms::timeOfDayText(double(ms) / double(kMsPerDay));
}

// The time of a moment within a day from now, else its weekday and time.
QString whenText(ClockMs at, ClockMs now)
{
    if (at - now < kMsPerDay)
        return clockTime(at);
    QDate date;
    QTime time;
    if (!TextForms::splitDays(ClockMsToDays(at), &date, &time))
        return clockTime(at);
    return QLocale::system().dayName(date.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') +
           clockTime(at);
}

} // namespace

TariffTexts::TariffTexts(const Clock &clock, const XmlDocument &config)
    : m_clock(clock), m_config(config)
{
}

const TariffTexts::Texts &TariffTexts::of(const QString &provider)
{
    const ClockMs now = ToClockMs(m_clock.now());
    const qint64 minute = now / kMsPerMinute;
    auto cached = m_cache.find(provider);
    if (cached == m_cache.end())
        cached = m_cache.insert(provider, Cached{minute, work(provider, now)});
    else if (cached->minute != minute)
        *cached = Cached{minute, work(provider, now)};
    return cached->texts;
}

TariffTexts::Texts TariffTexts::work(const QString &provider, ClockMs now) const
{
    Texts texts;
    const pugi::xml_node item =
        provider.isEmpty()
            ? pugi::xml_node()
            : FindChildByAttribute(m_config.root().child("ISP"), QStringLiteral("Name"), provider);
    const TariffOutlook outlook(m_config, item);
    if (!outlook.hasTariffs())
        return texts;
    const TariffInForce inForce = outlook.inForce(now);
    if (inForce.tariff) {
        const QString name = tariffName(*inForce.tariff);
        texts.beside = QStringLiteral("%1 %2/min").arg(name, money(inForce.tariff->minute));
        texts.inForce =
            inForce.until ? tr("%1 until %2").arg(name, whenText(*inForce.until, now)) : name;
    }
    if (const std::optional<CheapestStart> best =
            outlook.cheapest(now, kCheapestMinutes, kCheapestHours)) {
        QStringList parts{clockTime(best->start)};
        if (best->tariff)
            parts << tariffName(*best->tariff);
        parts << tr("%1 an hour").arg(money(best->cost));
        texts.toolTip = tr("Cheapest within %1 h: %2")
                            .arg(kCheapestHours)
                            .arg(parts.join(QStringLiteral(", ")));
    }
    return texts;
}
