// The program's start-up (ProgramState::start) over a data folder of 12
// month files of 10,000 sessions each, without plans and with three
// providers' plans, whose periods need one and two month files.
#include "app/ProgramState.h"
#include "connection/ConnectionService.h"
#include "core/Clock.h"
#include "core/Prompter.h"
#include "monitor/MonitorView.h"
#include "store/ConfigDocument.h"

#include "../BenchDoubles.h"
#include "MonthFilesFolder.h"

#include <QFile>

#include <memory>

#include "../QtBenchmarkMain.h"

namespace {

MonthFilesFolder &folder()
{
    static MonthFilesFolder f;
    return f;
}

void writeConfig(bool withPlans)
{
    folder().writeConfig(configPath(folder().dir.path()), withPlans);
    // What the alerts of a previous run left is not part of the start.
    QFile::remove(folder().dir.filePath(QStringLiteral("plan-alerts.xml")));
}

void startRun(benchmark::State &state, bool withPlans)
{
    writeConfig(withPlans);
    NoService service;
    SilentPrompter prompter;
    ManualClock clock(QDateTime(QDate(2026, 12, 20), QTime(12, 0)));
    NullMonitorView view;
    for (auto _ : state) {
        auto program =
            std::make_unique<ProgramState>(service, prompter, clock, folder().dir.path());
        program->start(view);
        state.PauseTiming();
        program.reset(); // writes the month's file once more
        state.ResumeTiming();
    }
}

void BM_StartWithoutPlans(benchmark::State &state)
{
    startRun(state, false);
}
BENCHMARK(BM_StartWithoutPlans)->Unit(benchmark::kMillisecond);

void BM_StartWithPlans(benchmark::State &state)
{
    startRun(state, true);
}
BENCHMARK(BM_StartWithPlans)->Unit(benchmark::kMillisecond);

} // namespace

DIALOMETER_QT_BENCHMARK_MAIN()
