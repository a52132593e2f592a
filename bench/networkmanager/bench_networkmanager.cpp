// The session monitor's tick on the NetworkManager back end with a connection
// up: the one-record poll with its statistics and two counts. Against the
// real daemon in its namespaces (veth, real sysfs) when this machine allows
// it, and against the stand-in modem service (ppp0, counters in a temporary
// folder). Beside them: the interface's four counters read bare.

#include "HarnessProcess.h"

#include "backends/InterfaceCounters.h"
#include "backends/networkmanager/NetworkManagerService.h"
#include "connection/DialupOperations.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// One back end with one connection up, and where its counters live.
struct Setup
{
    std::unique_ptr<NetworkManagerService> service;
    QString sysfsRoot;
    QString interface;
    QString error;
};

Setup *g_real = nullptr;
Setup *g_fake = nullptr;

bool waitForOneConnection(NetworkManagerService &service, const QString &entry)
{
    std::unique_ptr<DialAttempt> attempt = service.dial(entry);
    if (!QTest::qWaitFor([&] { return attempt->isFinished(); }, 10000) ||
        attempt->state() != DialAttempt::State::Connected)
        return false;
    return QTest::qWaitFor([&] { return ActiveConnectionCount(service) == 1; }, 10000);
}

void tick(benchmark::State &state, Setup *setup)
{
    if (!setup || !setup->service) {
        state.SkipWithError(setup ? qPrintable(setup->error) : "not set up");
        return;
    }
    NetworkManagerService &service = *setup->service;
    ConnectionRecord record;
    SessionCounters counters;
    for (auto _ : state) {
        PollConnection(service, record, counters);
        benchmark::DoNotOptimize(ActiveConnectionCount(service));
        benchmark::DoNotOptimize(IsConnected(service));
        benchmark::DoNotOptimize(counters);
    }
    if (record.hrasconn == 0)
        state.SkipWithError("no connection was seen");
}

void countersKeptOpen(benchmark::State &state, Setup *setup)
{
    if (!setup || !setup->service) {
        state.SkipWithError("not set up");
        return;
    }
    InterfaceCounters counters(setup->sysfsRoot, setup->interface);
    InterfaceCounters::Values values;
    for (auto _ : state) {
        if (!counters.read(&values))
            state.SkipWithError("counters unreadable");
        benchmark::DoNotOptimize(values);
    }
}

void countersOpenedEachTime(benchmark::State &state, Setup *setup)
{
    if (!setup || !setup->service) {
        state.SkipWithError("not set up");
        return;
    }
    QByteArray paths[4];
    const char *names[4] = {"rx_bytes", "tx_bytes", "rx_packets", "tx_packets"};
    for (int i = 0; i < 4; ++i)
        paths[i] =
            QFile::encodeName(setup->sysfsRoot + QStringLiteral("/class/net/") + setup->interface +
                              QStringLiteral("/statistics/") + QLatin1String(names[i]));
    char buffer[32];
    for (auto _ : state) {
        for (const QByteArray &path : paths) {
            const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
            benchmark::DoNotOptimize(::read(fd, buffer, sizeof buffer));
            ::close(fd);
        }
    }
}

void BM_TickRealDaemon(benchmark::State &state)
{
    tick(state, g_real);
}
void BM_CountersBareRealDaemon(benchmark::State &state)
{
    countersKeptOpen(state, g_real);
}
void BM_CountersOpenReadCloseRealDaemon(benchmark::State &state)
{
    countersOpenedEachTime(state, g_real);
}
void BM_TickStandIn(benchmark::State &state)
{
    tick(state, g_fake);
}
void BM_CountersBareStandIn(benchmark::State &state)
{
    countersKeptOpen(state, g_fake);
}

BENCHMARK(BM_TickRealDaemon);
BENCHMARK(BM_CountersBareRealDaemon);
BENCHMARK(BM_CountersOpenReadCloseRealDaemon);
BENCHMARK(BM_TickStandIn);
BENCHMARK(BM_CountersBareStandIn);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    // The real daemon, where namespaces are allowed.
    HarnessProcess daemon;
    Setup real;
    real.error = HarnessProcess::whyNotAvailable();
    if (real.error.isEmpty()) {
        if (daemon.start(QStringLiteral("up"))) {
            QDBusConnection bus = QDBusConnection::connectToBus(
                daemon.value(QStringLiteral("BUS_ADDRESS")), QStringLiteral("bench-daemon"));
            NetworkManagerOptions options;
            options.sysfsRoot = daemon.value(QStringLiteral("SYSFS"));
            real.sysfsRoot = options.sysfsRoot;
            real.interface = daemon.value(QStringLiteral("VETH"));
            real.service = std::make_unique<NetworkManagerService>(bus, options);
            if (!waitForOneConnection(*real.service, QStringLiteral("Office LAN"))) {
                real.service.reset();
                real.error = QStringLiteral("the profile did not come up");
            }
        } else {
            real.error = daemon.lastError();
        }
    }
    g_real = &real;

    // The stand-in modem on a private bus.
    HarnessProcess bus;
    QTemporaryDir tree;
    QProcess fake;
    Setup standIn;
    const QString stats = tree.filePath(QStringLiteral("sys/class/net/ppp0/statistics"));
    QDir().mkpath(stats);
    for (const char *name : {"rx_bytes", "tx_bytes", "rx_packets", "tx_packets"}) {
        QFile f(stats + QLatin1Char('/') + QLatin1String(name));
        if (f.open(QIODevice::WriteOnly))
            f.write("123456789\n");
    }
    if (bus.start(QStringLiteral("bus"))) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                   bus.value(QStringLiteral("BUS_ADDRESS")));
        fake.setProcessEnvironment(env);
        fake.start(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(DIALOMETER_SOURCE_DIR "/tests/networkmanager/fake-networkmanager.py")});
        if (fake.waitForReadyRead(10000)) {
            QDBusConnection connection = QDBusConnection::connectToBus(
                bus.value(QStringLiteral("BUS_ADDRESS")), QStringLiteral("bench-standin"));
            NetworkManagerOptions options;
            options.sysfsRoot = tree.filePath(QStringLiteral("sys"));
            options.pidFolders = {tree.path()};
            standIn.sysfsRoot = options.sysfsRoot;
            standIn.interface = QStringLiteral("ppp0");
            standIn.service = std::make_unique<NetworkManagerService>(connection, options);
            if (!waitForOneConnection(*standIn.service, QStringLiteral("Dial-up Provider")))
                standIn.service.reset();
        }
    }
    g_fake = &standIn;

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    real.service.reset();
    standIn.service.reset();
    fake.terminate();
    fake.waitForFinished(5000);
    daemon.down();
    bus.down();
    return 0;
}
