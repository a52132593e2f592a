#include "backends/sim/SimulatedModemService.h"
#include "connection/ConnectionService.h"
#include "core/Clock.h"
#include "monitor/MonitorView.h"
#include "monitor/SessionMonitor.h"
#include "plans/PlanTracker.h"
#include "store/MonthStatistics.h"
#include "store/XmlDocument.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "../QtBenchmarkMain.h"

namespace {

// One connection that moves a little traffic on every statistics call.
class SteadyLineService final : public ConnectionService
{
public:
    QString backendName() const override { return QStringLiteral("bench"); }
    int enumConnections(ConnectionRecord *records, int capacity, int *count) override
    {
        *count = 1;
        if (capacity > 0)
            records[0] = ConnectionRecord{7, m_name};
        return Success;
    }
    int connectionStatistics(ConnectionHandle handle, SessionCounters *out) override
    {
        if (handle != 7)
            return InvalidHandle;
        m_counters.dwBytesRcved += 2900;
        m_counters.dwBytesXmited += 310;
        m_counters.dwFramesRcved += 3;
        m_counters.dwFramesXmited += 2;
        m_counters.dwConnectDuration += 500;
        *out = m_counters;
        return Success;
    }
    int enumEntries(QString *, int, int *count) override
    {
        *count = 0;
        return Success;
    }
    int hangUp(ConnectionHandle) override { return Success; }
    int connectStatus(ConnectionHandle handle) override
    {
        return handle == 7 ? Success : InvalidHandle;
    }
    std::unique_ptr<DialAttempt> dial(const QString &) override { return nullptr; }
    PhonebookEditing phonebookEditing() const override { return {}; }

private:
    QString m_name = QStringLiteral("Provider");
    SessionCounters m_counters{0, 0, 0, 0, 40, 12, 115200, 0};
};

const char *kConfig = R"(<MainContent>
<General><Calculate Value="1"/><UserMode Value="0"/></General>
<TariffTypes><Item ID="1" Name="Night" Minute="0.2"/><Item ID="2" Name="Day" Minute="0.6" Input="1.5" Output="0.5"/></TariffTypes>
<ISP><Item Name="Provider" DefCost="1" PayConn="0.5">
<Monday><Item Time1="00:00" Time2="08:00" TariffType="1"/><Item Time1="08:00" Time2="23:59" TariffType="2"/></Monday>
<Tuesday><Item Time1="08:00" Time2="23:59" TariffType="2"/></Tuesday>
</Item></ISP><Users/><Graph/></MainContent>)";

// The tick with a connection up and cost counting on, painting nothing;
// withPlan: the provider has a plan with both caps, which the tick follows.
template <typename Service>
void connectedTicks(benchmark::State &state, Service &service, std::function<void()> advance,
                    bool withPlan = false)
{
    QTemporaryDir dir;
    XmlDocument config;
    config.parse(QByteArray(kConfig));
    ManualClock clock(QDateTime(QDate(2009, 3, 2), QTime(10, 0)));
    MonthStatistics log(dir.filePath(QStringLiteral("09_03.sn2")), clock);
    log.open();
    NullMonitorView view;
    SessionMonitor monitor(service, config, log, clock, view);
    PlanTracker plans(clock, dir.path(), view, {});
    if (withPlan) {
        pugi::xml_node provider = config.root().child("ISP").child("Item");
        provider.append_attribute("TrafficCap") = "1000000";
        provider.append_attribute("CostCap") = "1000000";
        plans.readPlans(config);
        monitor.setObserver(&plans);
    }
    monitor.Timer1Timer(); // the connect steps
    for (auto _ : state) {
        monitor.Timer1Timer();
        clock.advanceMs(500);
        advance();
    }
    if (!monitor.WasConnected())
        state.SkipWithError("the line is not up");
    if (withPlan && plans.connectedTick(monitor).isEmpty())
        state.SkipWithError("the plan is not followed");
    benchmark::DoNotOptimize(monitor.SessionCost());
}

// On the simulated modem, its time moving 500 ms a tick.
void BM_ConnectedTickSimulatedModem(benchmark::State &state)
{
    SimulationScenario scenario;
    scenario.phonebook = {QStringLiteral("Provider")};
    SimulationScenario::ScheduledConnection line;
    line.entry = QStringLiteral("Provider");
    line.traffic.speedBps = 115200;
    line.traffic.receiveRate = 5800;
    line.traffic.sendRate = 620;
    line.traffic.variation = 0.5;
    line.traffic.compressionIn = 40;
    line.traffic.compressionOut = 12;
    scenario.connections.append(line);
    auto time = std::make_unique<ManualElapsedTime>();
    ManualElapsedTime *elapsed = time.get();
    SimulatedModemService service(scenario, std::move(time));
    connectedTicks(state, service, [elapsed] { elapsed->advanceMs(500); });
}
BENCHMARK(BM_ConnectedTickSimulatedModem)->Unit(benchmark::kMicrosecond);

// On a service that costs next to nothing: the monitor's own share.
void BM_ConnectedTickBareService(benchmark::State &state)
{
    SteadyLineService service;
    connectedTicks(state, service, [] {});
}
BENCHMARK(BM_ConnectedTickBareService)->Unit(benchmark::kMicrosecond);

// The same with the provider's plan followed on every tick.
void BM_ConnectedTickBareServiceWithPlan(benchmark::State &state)
{
    SteadyLineService service;
    connectedTicks(
        state, service, [] {}, true);
}
BENCHMARK(BM_ConnectedTickBareServiceWithPlan)->Unit(benchmark::kMicrosecond);

} // namespace

DIALOMETER_QT_BENCHMARK_MAIN()
