#include "backends/networkmanager/NetworkManagerReading.h"

#include "backends/networkmanager/NetworkManagerDBus.h"
#include "core/LogCategories.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

using namespace NetworkManagerDBus;

namespace {

constexpr uint kDeviceTypeWifi = 2;

bool isReply(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty();
}

// The daemon did not answer at all, as opposed to an object that went away
// between the list and the question about it.
bool isSilence(const QDBusMessage &reply)
{
    const QDBusError::ErrorType type = QDBusError(reply).type();
    return type == QDBusError::NoReply || type == QDBusError::Timeout ||
           type == QDBusError::TimedOut || type == QDBusError::Disconnected ||
           type == QDBusError::ServiceUnknown;
}

QVariant propertyValue(const QDBusMessage &reply)
{
    return reply.arguments().at(0).value<QDBusVariant>().variant();
}

QVariantMap propertyMap(const QDBusMessage &reply)
{
    QVariantMap map;
    reply.arguments().at(0).value<QDBusArgument>() >> map;
    return map;
}

} // namespace

NetworkManagerReading::NetworkManagerReading(const QDBusConnection &bus, bool profiles, bool active,
                                             QHash<QString, Profile> knownProfiles, int timeoutMs,
                                             QObject *parent)
    : QObject(parent), m_bus(bus), m_readProfiles(profiles), m_readActive(active),
      m_knownProfiles(std::move(knownProfiles)), m_timeoutMs(timeoutMs)
{
}

void NetworkManagerReading::ask(const QString &path, const QString &interface,
                                const QString &method, const QVariantList &arguments,
                                Handler handler)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, path, interface, method);
    call.setArguments(arguments);
    ++m_pending;
    if (m_blocking) {
        answered(call, m_bus.call(call, QDBus::Block, m_timeoutMs), handler);
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, m_timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, call, handler = std::move(handler)](QDBusPendingCallWatcher *w) {
                w->deleteLater();
                answered(call, w->reply(), handler);
            });
}

void NetworkManagerReading::answered(const QDBusMessage &call, const QDBusMessage &reply,
                                     const Handler &handler)
{
    if (reply.type() == QDBusMessage::ErrorMessage)
        qCDebug(lcNetworkManager).noquote()
            << call.member() << call.path() << call.arguments().value(0).toString()
            << "failed:" << reply.errorName() << reply.errorMessage();
    handler(reply);
    if (--m_pending == 0)
        emit finished();
}

void NetworkManagerReading::start(bool blocking)
{
    m_blocking = blocking;
    ++m_pending; // held until every first question is out

    if (m_readProfiles) {
        ask(kSettingsPath, kSettingsInterface, QStringLiteral("ListConnections"), {},
            [this](const QDBusMessage &reply) {
                if (!isReply(reply)) {
                    qCWarning(lcNetworkManager) << "cannot list the connection profiles";
                    m_failed = true;
                    return;
                }
                for (const QDBusObjectPath &objectPath : objectPaths(reply.arguments().at(0))) {
                    const QString path = objectPath.path();
                    m_profilePaths << path;
                    const auto known = m_knownProfiles.constFind(path);
                    if (known != m_knownProfiles.cend()) {
                        m_read.insert(path, *known);
                        continue;
                    }
                    ask(path, kProfileInterface, QStringLiteral("GetSettings"), {},
                        [this, path](const QDBusMessage &settings) {
                            if (!isReply(settings)) {
                                m_failed = m_failed || isSilence(settings);
                                return; // removed meanwhile
                            }
                            QMap<QString, QVariantMap> sections;
                            settings.arguments().at(0).value<QDBusArgument>() >> sections;
                            const QVariantMap connection =
                                sections.value(QStringLiteral("connection"));
                            Profile profile;
                            profile.path = path;
                            profile.id = connection.value(QStringLiteral("id")).toString();
                            if (profile.id.isNull())
                                profile.id = QLatin1String("");
                            profile.type = connection.value(QStringLiteral("type")).toString();
                            profile.metered = connection.value(QStringLiteral("metered")).toUInt();
                            profile.timestamp =
                                connection.value(QStringLiteral("timestamp")).toLongLong();
                            m_read.insert(path, profile);
                        });
                }
            });
    }

    if (m_readActive) {
        ask(kPath, kPropertiesInterface, QStringLiteral("Get"),
            {kManagerInterface, QStringLiteral("ActiveConnections")},
            [this](const QDBusMessage &reply) {
                if (!isReply(reply)) {
                    qCWarning(lcNetworkManager) << "cannot list the active connections";
                    m_failed = true;
                    return;
                }
                for (const QDBusObjectPath &path : objectPaths(propertyValue(reply))) {
                    Active active;
                    active.path = path.path();
                    m_actives.push_back(active);
                    m_activeFound.push_back(false);
                }
                // Indices, not references: a blocking reading answers at once.
                for (int i = 0; i < int(m_actives.size()); ++i) {
                    ask(m_actives[i].path, kPropertiesInterface, QStringLiteral("GetAll"),
                        {kActiveInterface}, [this, i](const QDBusMessage &properties) {
                            if (!isReply(properties)) {
                                m_failed = m_failed || isSilence(properties);
                                return; // gone meanwhile
                            }
                            const QVariantMap map = propertyMap(properties);
                            Active &active = m_actives[i];
                            active.id = map.value(QStringLiteral("Id")).toString();
                            active.type = map.value(QStringLiteral("Type")).toString();
                            active.state = map.value(QStringLiteral("State")).toUInt();
                            active.profilePath = map.value(QStringLiteral("Connection"))
                                                     .value<QDBusObjectPath>()
                                                     .path();
                            const QList<QDBusObjectPath> devices =
                                objectPaths(map.value(QStringLiteral("Devices")));
                            if (!devices.isEmpty())
                                active.devicePath = devices.first().path();
                            m_activeFound[i] = true;
                            if (!active.devicePath.isEmpty())
                                readDevice(i);
                        });
                }
            });
    }

    if (--m_pending == 0)
        emit finished();
}

void NetworkManagerReading::readDevice(int i)
{
    ask(m_actives[i].devicePath, kPropertiesInterface, QStringLiteral("GetAll"), {kDeviceInterface},
        [this, i](const QDBusMessage &reply) {
            if (!isReply(reply)) {
                m_failed = m_failed || isSilence(reply);
                return;
            }
            const QVariantMap device = propertyMap(reply);
            Active &active = m_actives[i];
            active.interface = device.value(QStringLiteral("IpInterface")).toString();
            if (active.interface.isEmpty())
                active.interface = device.value(QStringLiteral("Interface")).toString();
            active.deviceMetered = device.value(QStringLiteral("Metered")).toUInt();
            const uint type = device.value(QStringLiteral("DeviceType")).toUInt();
            // Wi-Fi gives its bit rate in kb/s. Wired speed is in Mb/s, and
            // more kinds of device than plain Ethernet have it (veth, for
            // one); a device without it answers with an error, read as 0.
            QString interface = kWiredInterface;
            QString property = QStringLiteral("Speed");
            qint64 factor = 1000000;
            if (type == kDeviceTypeWifi) {
                interface = kWirelessInterface;
                property = QStringLiteral("Bitrate");
                factor = 1000;
            }
            ask(active.devicePath, kPropertiesInterface, QStringLiteral("Get"),
                {interface, property}, [this, i, factor](const QDBusMessage &speed) {
                    if (isReply(speed))
                        m_actives[i].bitsPerSecond = qint64(propertyValue(speed).toUInt()) * factor;
                });
        });
}

std::vector<NetworkManagerReading::Profile> NetworkManagerReading::profiles() const
{
    std::vector<Profile> list;
    for (const QString &path : m_profilePaths) {
        const auto profile = m_read.constFind(path);
        if (profile != m_read.cend())
            list.push_back(*profile);
    }
    return list;
}

std::vector<NetworkManagerReading::Active> NetworkManagerReading::actives() const
{
    std::vector<Active> list;
    for (size_t i = 0; i < m_actives.size(); ++i) {
        if (m_activeFound[i])
            list.push_back(m_actives[i]);
    }
    return list;
}
