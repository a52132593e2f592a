// The plans' use as dialometer-cli usage computes it, over a Logs folder of
// 12 month files of 10,000 sessions each (five providers): reading the
// configuration alone, then the use of three providers without plan
// attributes and with plans whose periods need one and two month files.
#include "core/DataFolder.h"
#include "core/TextForms.h"
#include "plans/PlanDays.h"
#include "plans/PlanUsage.h"
#include "plans/ProviderPlan.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"
#include "store/StatisticsLog.h"

#include "MonthFilesFolder.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Folder : MonthFilesFolder
{
    QString config(bool withPlans) const
    {
        const QString path =
            dir.filePath(withPlans ? QStringLiteral("plans.cfg") : QStringLiteral("plain.cfg"));
        writeConfig(path, withPlans);
        return path;
    }
};

Folder &folder()
{
    static Folder f;
    return f;
}

const QDateTime kAt(QDate(2026, 12, 20), QTime(12, 0));

void BM_ReadConfigOnly(benchmark::State &state)
{
    const QString config = folder().config(true);
    for (auto _ : state) {
        XmlDocument document;
        LoadDocument(config, document);
        benchmark::DoNotOptimize(ReadProviderPlans(document).size());
    }
}
BENCHMARK(BM_ReadConfigOnly)->Unit(benchmark::kMillisecond);

// daily: also day by day, as usage --daily counts.
void usageRun(benchmark::State &state, bool withPlans, bool daily = false)
{
    const QString config = folder().config(withPlans);
    int sessions = 0;
    for (auto _ : state) {
        XmlDocument document;
        LoadDocument(config, document);
        QList<PlanUsage> usages;
        for (const ProviderPlan &plan : ReadProviderPlans(document))
            usages.append(PlanUsage(plan, kAt));
        QList<PlanDays> days;
        if (daily) {
            for (const PlanUsage &usage : std::as_const(usages))
                days.append(PlanDays(usage));
            CountMonthFiles(folder().logs, usages,
                            [&days](qsizetype i, const PlanSession &s) { days[i].add(s); });
        } else {
            CountMonthFiles(folder().logs, usages);
        }
        sessions = 0;
        for (const PlanUsage &usage : std::as_const(usages))
            sessions += usage.sessions();
    }
    state.counters["sessions"] = sessions;
}

void BM_UsageWithoutPlans(benchmark::State &state)
{
    usageRun(state, false);
}
BENCHMARK(BM_UsageWithoutPlans)->Unit(benchmark::kMillisecond);

void BM_UsageWithPlans(benchmark::State &state)
{
    usageRun(state, true);
}
BENCHMARK(BM_UsageWithPlans)->Unit(benchmark::kMillisecond);

void BM_UsageDailyWithPlans(benchmark::State &state)
{
    usageRun(state, true, true);
}
BENCHMARK(BM_UsageDailyWithPlans)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
