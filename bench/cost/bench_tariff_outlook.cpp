// What the price command does for one provider: read a week of 20 ranges a
// day, the tariff in force until when, an hour's cost and the cheapest start
// of an hour within a day. Beside it, the same search pricing every minute
// of every start through the cost engine, as a tick would.
#include "core/Clock.h"
#include "cost/TariffCost.h"
#include "cost/TariffOutlook.h"
#include "store/ConfigDocument.h"
#include "store/XmlDocument.h"

#include <benchmark/benchmark.h>

namespace {

// Twenty ranges a day: 72-minute steps alternating three tariff types.
XmlDocument weekOfRanges()
{
    QString days;
    for (const QString &day : DayNames) {
        days += QLatin1Char('<') + day + QLatin1Char('>');
        for (int r = 0; r < 20; ++r) {
            const int from = r * 72;
            const int to = std::min(from + 72, 23 * 60 + 59);
            days += QStringLiteral("<Item Time1=\"%1:%2\" Time2=\"%3:%4\" TariffType=\"%5\"/>")
                        .arg(from / 60, 2, 10, QLatin1Char('0'))
                        .arg(from % 60, 2, 10, QLatin1Char('0'))
                        .arg(to / 60, 2, 10, QLatin1Char('0'))
                        .arg(to % 60, 2, 10, QLatin1Char('0'))
                        .arg(1 + (r * 7 + day.size()) % 3);
        }
        days += QStringLiteral("</") + day + QLatin1Char('>');
    }
    const QString xml =
        QStringLiteral("<MainContent><TariffTypes><Item ID=\"1\" Name=\"A\" Minute=\"0.6\"/>"
                       "<Item ID=\"2\" Name=\"B\" Minute=\"0.2\"/><Item ID=\"3\" Name=\"C\" "
                       "Minute=\"0.35\"/></TariffTypes><ISP><Item Name=\"P\" DefCost=\"2\" "
                       "PayConn=\"0.25\">") +
        days + QStringLiteral("</Item></ISP></MainContent>");
    XmlDocument config;
    config.parse(xml.toUtf8());
    return config;
}

const QDateTime kAt(QDate(2026, 12, 9), QTime(12, 0));

void BM_PriceOutlook(benchmark::State &state)
{
    const XmlDocument config = weekOfRanges();
    const pugi::xml_node provider = config.root().child("ISP").first_child();
    const ClockMs at = ToClockMs(kAt);
    for (auto _ : state) {
        const TariffOutlook outlook(config, provider);
        benchmark::DoNotOptimize(outlook.inForce(at));
        benchmark::DoNotOptimize(outlook.connectionCost(at, 60));
        benchmark::DoNotOptimize(outlook.cheapest(at, 60, 24));
    }
}
BENCHMARK(BM_PriceOutlook)->Unit(benchmark::kMicrosecond);

void BM_CheapestPricingEveryMinute(benchmark::State &state)
{
    const XmlDocument config = weekOfRanges();
    const pugi::xml_node provider = config.root().child("ISP").first_child();
    const IntervalQuantities oneMinute{1.0, 0.0, 0.0};
    for (auto _ : state) {
        double least = -1;
        for (int start = 0; start <= 24 * 60; ++start) {
            double cost = 0.25;
            for (int minute = 0; minute < 60; ++minute) {
                const ManualClock clock(kAt.addSecs(60 * (start + minute)));
                const QTime time = clock.now().time();
                cost += IntervalCost(config, provider, oneMinute,
                                     time.msecsSinceStartOfDay() / 86400000.0, clock);
            }
            if (least < 0 || cost < least)
                least = cost;
        }
        benchmark::DoNotOptimize(least);
    }
}
BENCHMARK(BM_CheapestPricingEveryMinute)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
