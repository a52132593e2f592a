#include "backends/sim/SimulatedModemService.h"
#include "core/Clock.h"
#include "monitor/MonitorView.h"
#include "monitor/SessionMonitor.h"
#include "store/MonthStatistics.h"
#include "store/RunningJournal.h"
#include "store/XmlDocument.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "../QtBenchmarkMain.h"

namespace {

RunningConnection sampleConnection()
{
    RunningConnection c;
    c.token = QStringLiteral("nm /org/freedesktop/NetworkManager/ActiveConnection/12 "
                             "3f2b8c1e-6d0a-4c57-9a8e-1b2c3d4e5f60 ppp0 1733760000 48213 9120");
    c.entryName = QStringLiteral("Provider");
    c.providerName = c.entryName;
    c.startTime = 46000.4375;
    c.cost = 12.345;
    c.userName = QStringLiteral("ann");
    c.counters = {9120000, 48213000, 91200, 482130, 40, 12, 115200, 3600500};
    return c;
}

// One journal write as the ticks do it: the document, the envelope, the
// temporary file flushed to disk and renamed over the journal.
void BM_WriteJournal(benchmark::State &state)
{
    QTemporaryDir dir;
    const ManualClock clock;
    const RunningJournal journal(RunningJournal::pathIn(dir.path()), clock);
    RunningConnection c = sampleConnection();
    for (auto _ : state) {
        c.counters.dwConnectDuration += 10000;
        if (!journal.write(c))
            state.SkipWithError("the journal could not be written");
    }
}
BENCHMARK(BM_WriteJournal)->Unit(benchmark::kMicrosecond);

// What a tick pays: the journal handed to its writer's thread.
void BM_PostJournal(benchmark::State &state)
{
    QTemporaryDir dir;
    const ManualClock clock;
    RunningJournal journal(RunningJournal::pathIn(dir.path()), clock);
    RunningConnection c = sampleConnection();
    for (auto _ : state) {
        c.counters.dwConnectDuration += 10000;
        journal.post(c);
    }
    journal.flush();
}
BENCHMARK(BM_PostJournal)->Unit(benchmark::kMicrosecond);

// The connected tick on the simulated modem with the journal on: one write in
// twenty ticks.
void BM_ConnectedTickWithJournal(benchmark::State &state)
{
    QString error;
    const std::optional<SimulationScenario> scenario = SimulationScenario::fromJson(
        R"({"phonebook": ["Provider"], "connections": [{"entry": "Provider", "start": 0,
            "speed": 115200, "receiveRate": 5800, "sendRate": 620}]})",
        QStringLiteral("bench"), &error);
    if (!scenario) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    auto time = std::make_unique<ManualElapsedTime>();
    ManualElapsedTime *elapsed = time.get();
    SimulatedModemService service(*scenario, std::move(time));

    QTemporaryDir dir;
    XmlDocument config;
    config.parse(QByteArray("<MainContent><General><Calculate Value=\"1\"/></General>"
                            "<TariffTypes><Item ID=\"1\" Name=\"Day\" Minute=\"0.6\"/>"
                            "</TariffTypes><ISP><Item Name=\"Provider\" DefCost=\"1\"/></ISP>"
                            "<Users/><Graph/></MainContent>"));
    ManualClock clock(QDateTime(QDate(2009, 3, 2), QTime(10, 0)));
    MonthStatistics log(dir.filePath(QStringLiteral("09_03.sn2")), clock);
    log.open();
    RunningJournal journal(RunningJournal::pathIn(dir.path()), clock);
    NullMonitorView view;
    SessionMonitor monitor(service, config, log, clock, view);
    monitor.setJournal(&journal);
    monitor.Timer1Timer(); // the connect steps
    for (auto _ : state) {
        monitor.Timer1Timer();
        clock.advanceMs(SessionMonitor::intervalMs());
        elapsed->advanceMs(SessionMonitor::intervalMs());
    }
    if (!monitor.WasConnected())
        state.SkipWithError("the line is not up");
}
BENCHMARK(BM_ConnectedTickWithJournal)->Unit(benchmark::kMicrosecond);

} // namespace

DIALOMETER_QT_BENCHMARK_MAIN()
