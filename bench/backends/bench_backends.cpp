// The monitor's tick on each back end with a connection up: the poll (one
// enumeration and the statistics) and two connected tests, against reading
// the interface's four counters bare.
#include "backends/InterfaceCounters.h"
#include "backends/pppd/PppdService.h"
#include "backends/sim/SimulatedModemService.h"
#include "connection/DialupOperations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../QtBenchmarkMain.h"

namespace {

// A fake system tree with one fake pppd up on ppp0.
class PppTree
{
public:
    PppTree()
    {
        for (const char *sub : {"peers", "run", "bin", "sys/class/net"})
            QDir().mkpath(path(sub));
        QFile peer(path("peers/isp"));
        if (peer.open(QIODevice::WriteOnly))
            peer.write("/dev/ttyS0\n115200\n");
        peer.close();
        const QString pppd = path("bin/pppd");
        QFile::copy(QStringLiteral(DIALOMETER_SOURCE_DIR "/tests/backends/pppd-fake/pppd"), pppd);
        QFile::setPermissions(pppd, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("FAKE_ROOT", QFile::encodeName(dir.path()));
        QProcess process;
        process.setProgram(pppd);
        process.setArguments({"call", "isp"});
        process.startDetached(&m_pid);
        for (int i = 0; i < 300 && !QFile::exists(path("run/ppp0.pid")); ++i)
            QThread::msleep(10);
        QThread::msleep(50);
        // Folders changed long ago: the back end trusts its last scan.
        for (const char *sub : {"run", "sys/class/net"}) {
            struct timespec times[2] = {{::time(nullptr) - 60, 0}, {::time(nullptr) - 60, 0}};
            ::utimensat(AT_FDCWD, QFile::encodeName(path(sub)).constData(), times, 0);
        }
    }
    ~PppTree()
    {
        if (m_pid > 0)
            ::kill(pid_t(m_pid), SIGTERM);
        for (int i = 0; i < 200 && QFile::exists(path("sys/class/net/ppp0")); ++i)
            QThread::msleep(10);
    }
    QString path(const QString &relative) const { return dir.path() + "/" + relative; }
    PppdPaths paths() const
    {
        PppdPaths p;
        p.peersDir = path("peers");
        p.runDirs = {path("run")};
        p.sysfsRoot = path("sys");
        return p;
    }

    QTemporaryDir dir;

private:
    qint64 m_pid = 0;
};

void tick(ConnectionService &service, ConnectionRecord &record, SessionCounters &counters)
{
    PollConnection(service, record, counters);
    benchmark::DoNotOptimize(IsConnected(service));
    benchmark::DoNotOptimize(IsConnected(service));
    benchmark::DoNotOptimize(counters);
}

void BM_BareCounters(benchmark::State &state)
{
    PppTree tree;
    InterfaceCounters counters(tree.path("sys"), "ppp0");
    InterfaceCounters::Values values;
    for (auto _ : state) {
        counters.read(&values);
        benchmark::DoNotOptimize(values);
    }
}
BENCHMARK(BM_BareCounters);

void BM_CountersOpenReadClose(benchmark::State &state)
{
    PppTree tree;
    InterfaceCounters::Values values;
    for (auto _ : state) {
        InterfaceCounters counters(tree.path("sys"), "ppp0");
        counters.read(&values);
        benchmark::DoNotOptimize(values);
    }
}
BENCHMARK(BM_CountersOpenReadClose);

void BM_PppdTick(benchmark::State &state)
{
    PppTree tree;
    PppdService service(tree.paths());
    ConnectionRecord record;
    SessionCounters counters;
    tick(service, record, counters);
    if (record.hrasconn == 0) {
        state.SkipWithError("the fake pppd did not come up");
        return;
    }
    for (auto _ : state)
        tick(service, record, counters);
}
BENCHMARK(BM_PppdTick);

void BM_SimTick(benchmark::State &state)
{
    SimulationScenario scenario = SimulationScenario::demo();
    SimulationScenario::ScheduledConnection c;
    c.entry = scenario.phonebook.first();
    c.traffic = scenario.dialDefault.traffic;
    scenario.connections.append(c);
    SimulatedModemService service(scenario);
    ConnectionRecord record;
    SessionCounters counters;
    for (auto _ : state)
        tick(service, record, counters);
}
BENCHMARK(BM_SimTick);

} // namespace

DIALOMETER_QT_BENCHMARK_MAIN()
