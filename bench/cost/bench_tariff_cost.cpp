// One interval priced from a day with many ranges, the tick's figure.
#include "core/Clock.h"
#include "core/TextForms.h"
#include "cost/TariffCost.h"
#include "store/XmlDocument.h"

#include <benchmark/benchmark.h>

namespace {

void BM_IntervalCost(benchmark::State &state)
{
    const int ranges = int(state.range(0));
    QString monday;
    // Hour-long ranges from midnight; the tick at 23:30 matches the last one.
    for (int h = 0; h < ranges; ++h) {
        monday += QStringLiteral("<Item Time1=\"%1:00\" Time2=\"%2:00\" TariffType=\"1\"/>")
                      .arg(h, 2, 10, QLatin1Char('0'))
                      .arg(h + 1, 2, 10, QLatin1Char('0'));
    }
    const QString xml = QStringLiteral("<MainContent><TariffTypes><Item ID=\"1\" Minute=\"1\" "
                                       "Input=\"2\" Output=\"3\"/></TariffTypes><ISP><Item "
                                       "Name=\"P\" DefCost=\"1\"><Monday>") +
                        monday + QStringLiteral("</Monday></Item></ISP></MainContent>");
    XmlDocument config;
    config.parse(xml.toUtf8());
    const pugi::xml_node provider = config.root().child("ISP").first_child();
    const ManualClock clock(QDateTime(QDate(2026, 12, 7), QTime(23, 30)));
    const double now = TextForms::timeOfDay(clock.now());
    const QStringList quantities = {"Minute=" + TextForms::numberText(500.0 / 60000.0),
                                    "Input=" + TextForms::numberText(0.0123),
                                    "Output=" + TextForms::numberText(0.001)};
    for (auto _ : state)
        benchmark::DoNotOptimize(IntervalCost(config, provider, quantities, now, clock));
}
BENCHMARK(BM_IntervalCost)->Arg(1)->Arg(8)->Arg(23);

} // namespace

BENCHMARK_MAIN();
