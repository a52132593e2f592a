#include "backends/ConnectionServiceFactory.h"

#include "backends/networkmanager/NetworkManagerService.h"
#include "backends/pppd/PppdService.h"
#include "backends/sim/SimulatedModemService.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

std::unique_ptr<ConnectionService> createSimulated(const BackendOptions &options, QString *error)
{
    if (options.scenarioFile.isEmpty())
        return std::make_unique<SimulatedModemService>(SimulationScenario::demo());
    QString problem;
    auto scenario = SimulationScenario::fromFile(options.scenarioFile, &problem);
    if (!scenario) {
        setError(error, QCoreApplication::translate("ConnectionServiceFactory",
                                                    "Invalid simulation scenario: %1")
                            .arg(problem));
        return nullptr;
    }
    return std::make_unique<SimulatedModemService>(std::move(*scenario));
}

std::unique_ptr<ConnectionService> createPppd()
{
    return std::make_unique<PppdService>();
}

// Works without the daemon too: it lists nothing until NetworkManager is on the bus.
std::unique_ptr<ConnectionService> createNetworkManager(QString *error)
{
    Q_UNUSED(error);
    return std::make_unique<NetworkManagerService>();
}

} // namespace

BackendOptions backendOptionsFromEnvironment(bool demo)
{
    BackendOptions options;
    options.demo = demo;
    options.scenarioFile = qEnvironmentVariable("DIALOMETER_SIM");
    options.backend = qEnvironmentVariable("DIALOMETER_BACKEND").trimmed().toLower();
    if (demo || (options.backend.isEmpty() && !options.scenarioFile.isEmpty()))
        options.backend = QStringLiteral("sim");
    return options;
}

bool networkManagerIsRunning()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    return bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.NetworkManager"));
}

std::unique_ptr<ConnectionService> createConnectionService(const BackendOptions &options,
                                                           QString *error)
{
    const QString backend = options.demo ? QStringLiteral("sim") : options.backend;
    if (backend == QLatin1String("sim"))
        return createSimulated(options, error);
    if (backend == QLatin1String("pppd"))
        return createPppd();
    if (backend == QLatin1String("networkmanager"))
        return createNetworkManager(error);
    if (!backend.isEmpty()) {
        setError(error, QCoreApplication::translate("ConnectionServiceFactory",
                                                    "Unknown back end \"%1\" in DIALOMETER_BACKEND "
                                                    "(expected networkmanager, pppd or sim).")
                            .arg(backend));
        return nullptr;
    }
    if (networkManagerIsRunning()) {
        if (auto service = createNetworkManager(nullptr))
            return service;
    }
    return createPppd();
}
