// The plan window over a data folder of 12 month files of 10,000 sessions
// each and three providers' plans, on the simulated modem with "Provider 0"
// up: opening it until it is shown, a connected tick of the program with
// and without it open, and one refresh of the window (it refreshes at most
// once a second, i.e. once every two ticks).
#include "app/ProgramState.h"
#include "backends/sim/ElapsedTime.h"
#include "backends/sim/SimulatedModemService.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "monitor/MonitorView.h"
#include "monitor/SessionMonitor.h"
#include "planview/TPlan.h"

#include "../BenchDoubles.h"
#include "../WidgetsBenchmarkMain.h"
#include "MonthFilesFolder.h"

#include <QFile>

#include <memory>

namespace {

MonthFilesFolder &folder()
{
    static MonthFilesFolder f;
    return f;
}

const QString kProvider = QStringLiteral("Provider 0");

SimulationScenario lineUp()
{
    SimulationScenario scenario;
    scenario.phonebook = {kProvider};
    SimulationScenario::ScheduledConnection line;
    line.entry = kProvider;
    line.traffic.speedBps = 115200;
    line.traffic.receiveRate = 5800;
    line.traffic.sendRate = 620;
    scenario.connections.append(line);
    return scenario;
}

// The running program, connected after its first tick.
struct Program
{
    ManualElapsedTime *elapsed = nullptr;
    std::unique_ptr<SimulatedModemService> modem;
    SilentPrompter prompter;
    ManualClock clock{QDateTime(QDate(2026, 12, 20), QTime(12, 0))};
    NullMonitorView view;
    std::unique_ptr<ProgramState> state;

    Program()
    {
        folder().writeConfig(configPath(folder().dir.path()), true);
        // What an earlier run left is not part of this one.
        QFile::remove(folder().dir.filePath(QStringLiteral("plan-alerts.xml")));
        QFile::remove(folder().dir.filePath(QStringLiteral("running-connection.xml")));
        auto time = std::make_unique<ManualElapsedTime>();
        elapsed = time.get();
        modem = std::make_unique<SimulatedModemService>(lineUp(), std::move(time));
        state = std::make_unique<ProgramState>(*modem, prompter, clock, folder().dir.path());
        state->start(view);
        state->Timer1()->stop(); // ticked by hand
        tick();
    }
    void tick()
    {
        state->Timer1Timer();
        clock.advanceMs(500);
        elapsed->advanceMs(500);
    }
    bool connected() const { return state->monitor().WasConnected(); }
};

void BM_OpenPlanWindow(benchmark::State &bench)
{
    Program program;
    for (auto _ : bench) {
        auto *window = new TPlan(program.state->plans(), kProvider);
        window->show();
        QCoreApplication::processEvents(); // laid out and painted
        bench.PauseTiming();
        delete window;
        QCoreApplication::processEvents();
        bench.ResumeTiming();
    }
    if (!program.connected())
        bench.SkipWithError("the line is not up");
}
BENCHMARK(BM_OpenPlanWindow)->Unit(benchmark::kMillisecond);

// Argument 1: the plan window is open (its own timer does not run here).
void BM_ConnectedTick(benchmark::State &bench)
{
    Program program;
    std::unique_ptr<TPlan> window;
    if (bench.range(0)) {
        window = std::make_unique<TPlan>(program.state->plans(), kProvider);
        window->show();
        QCoreApplication::processEvents();
    }
    for (auto _ : bench)
        program.tick();
    if (!program.connected())
        bench.SkipWithError("the line is not up");
}
BENCHMARK(BM_ConnectedTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A tick and the window's refresh after it, painted: what a second of a
// connection costs the window beyond the two ticks.
void BM_TickAndPlanWindowRefresh(benchmark::State &bench)
{
    Program program;
    TPlan window(program.state->plans(), kProvider);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : bench) {
        program.tick();
        window.refresh();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_TickAndPlanWindowRefresh)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runWidgetsBenchmarks(argc, argv);
}
