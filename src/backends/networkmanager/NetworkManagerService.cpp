#include "backends/networkmanager/NetworkManagerService.h"

#include "backends/networkmanager/NetworkManagerDialAttempt.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QDateTime>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <sys/stat.h>

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString kSettingsPath = QStringLiteral("/org/freedesktop/NetworkManager/Settings");
const QString kManagerInterface = QStringLiteral("org.freedesktop.NetworkManager");
const QString kSettingsInterface = QStringLiteral("org.freedesktop.NetworkManager.Settings");
const QString kProfileInterface =
    QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
const QString kActiveInterface = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
const QString kDeviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");
const QString kWiredInterface = QStringLiteral("org.freedesktop.NetworkManager.Device.Wired");
const QString kWirelessInterface = QStringLiteral("org.freedesktop.NetworkManager.Device.Wireless");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

constexpr uint kActivated = 2; // NMActiveConnectionState
constexpr uint kDeviceTypeEthernet = 1;
constexpr uint kDeviceTypeWifi = 2;
// While pppd's pid file is missing, how often to look for it again.
constexpr qint64 kPidFileRetryMs = 1000;

QList<QDBusObjectPath> objectPaths(const QVariant &value)
{
    QList<QDBusObjectPath> paths;
    if (value.canConvert<QDBusArgument>())
        value.value<QDBusArgument>() >> paths;
    else
        paths = value.value<QList<QDBusObjectPath>>();
    return paths;
}

} // namespace

NetworkManagerService::NetworkManagerService(const QDBusConnection &bus,
                                             NetworkManagerOptions options, QObject *parent)
    : ConnectionService(parent), m_bus(bus), m_options(std::move(options))
{
    m_clock.start();
    const QString service = QString::fromLatin1(kService);
    // Owner changes, not just comings and goings: a daemon that hands its
    // name straight to a new instance has lost its state all the same.
    m_watcher =
        new QDBusServiceWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) {
                if (newOwner.isEmpty())
                    onServiceUnregistered();
                else
                    onServiceRegistered();
            });

    // Subscribed before the first reading, so no change falls between the two.
    m_bus.connect(service, QString(), kPropertiesInterface, QStringLiteral("PropertiesChanged"),
                  this, SLOT(onPropertiesChanged(QDBusMessage)));
    m_bus.connect(service, kSettingsPath, kSettingsInterface, QStringLiteral("NewConnection"), this,
                  SLOT(onProfilesChanged()));
    m_bus.connect(service, kSettingsPath, kSettingsInterface, QStringLiteral("ConnectionRemoved"),
                  this, SLOT(onProfilesChanged()));
    m_bus.connect(service, QString(), kProfileInterface, QStringLiteral("Updated"), this,
                  SLOT(onProfileUpdated(QDBusMessage)));
    m_bus.connect(service, QString(), kActiveInterface, QStringLiteral("StateChanged"), this,
                  SLOT(onActiveStateChanged()));

    if (isRunning(m_bus)) {
        m_available = true;
        refresh();
    }
}

NetworkManagerService::~NetworkManagerService() = default;

bool NetworkManagerService::isRunning(const QDBusConnection &bus)
{
    if (!bus.isConnected() || !bus.interface())
        return false;
    return bus.interface()->isServiceRegistered(QString::fromLatin1(kService)).value();
}

// --- keeping the state up to date ---------------------------------------------------------

void NetworkManagerService::onServiceRegistered()
{
    dropState();
    m_available = true;
    scheduleRefresh(true);
}

void NetworkManagerService::onServiceUnregistered()
{
    // Whatever NetworkManager had active is unknown now; a new instance
    // names its active connections afresh, so no handle carries over.
    dropState();
    m_available = false;
    emit changed();
}

void NetworkManagerService::onPropertiesChanged(const QDBusMessage &message)
{
    if (message.arguments().isEmpty())
        return;
    const QString interface = message.arguments().at(0).toString();
    if (interface == kSettingsInterface) {
        scheduleRefresh(true);
        return;
    }
    // Only what the listing holds: a Wi-Fi device alone reports every scan.
    static const QHash<QString, QStringList> relevant = {
        {kManagerInterface, {QStringLiteral("ActiveConnections")}},
        {kActiveInterface,
         {QStringLiteral("State"), QStringLiteral("Id"), QStringLiteral("Devices"),
          QStringLiteral("Type")}},
        {kDeviceInterface,
         {QStringLiteral("IpInterface"), QStringLiteral("Interface"),
          QStringLiteral("ActiveConnection")}},
        {kWiredInterface, {QStringLiteral("Speed")}},
        {kWirelessInterface, {QStringLiteral("Bitrate")}},
    };
    const auto names = relevant.constFind(interface);
    if (names == relevant.cend() || message.arguments().size() < 2)
        return;
    QVariantMap changed;
    const QVariant arg = message.arguments().at(1);
    if (arg.canConvert<QDBusArgument>())
        arg.value<QDBusArgument>() >> changed;
    else
        changed = arg.toMap();
    QStringList invalidated;
    if (message.arguments().size() > 2)
        invalidated = message.arguments().at(2).toStringList();
    for (const QString &name : *names) {
        if (changed.contains(name) || invalidated.contains(name)) {
            scheduleRefresh(false);
            return;
        }
    }
}

void NetworkManagerService::onProfilesChanged()
{
    scheduleRefresh(true);
}

void NetworkManagerService::onProfileUpdated(const QDBusMessage &message)
{
    // A renamed profile is read again.
    m_profileIds.remove(message.path());
    scheduleRefresh(true);
}

void NetworkManagerService::onActiveStateChanged()
{
    scheduleRefresh(false);
}

void NetworkManagerService::scheduleRefresh(bool profiles)
{
    if (profiles)
        m_profilesDirty = true;
    m_activeDirty = true;
    if (m_refreshQueued)
        return;
    // Signals come in bursts; one reading answers them all.
    m_refreshQueued = true;
    QMetaObject::invokeMethod(this, &NetworkManagerService::refresh, Qt::QueuedConnection);
}

void NetworkManagerService::refresh()
{
    m_refreshQueued = false;
    if (!m_available)
        return;
    if (m_profilesDirty)
        reloadProfiles();
    if (m_activeDirty)
        reloadActive();
    emit changed();
}

void NetworkManagerService::dropState()
{
    m_profiles.clear();
    m_profileIds.clear();
    m_listed.clear();
    m_active.clear();
    m_profilesDirty = true;
    m_activeDirty = true;
}

void NetworkManagerService::reloadProfiles()
{
    QDBusMessage list =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), kSettingsPath,
                                       kSettingsInterface, QStringLiteral("ListConnections"));
    const QDBusMessage reply = m_bus.call(list, QDBus::Block, m_options.callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return; // kept dirty: read again with the next change
    const QList<QDBusObjectPath> paths = objectPaths(reply.arguments().at(0));

    std::vector<Profile> profiles;
    QHash<QString, QString> ids;
    for (const QDBusObjectPath &objectPath : paths) {
        const QString path = objectPath.path();
        QString id = m_profileIds.value(path);
        if (id.isNull()) {
            QDBusMessage get =
                QDBusMessage::createMethodCall(QString::fromLatin1(kService), path,
                                               kProfileInterface, QStringLiteral("GetSettings"));
            const QDBusMessage settings = m_bus.call(get, QDBus::Block, m_options.callTimeoutMs);
            if (settings.type() != QDBusMessage::ReplyMessage || settings.arguments().isEmpty())
                continue; // removed meanwhile
            QMap<QString, QVariantMap> sections;
            settings.arguments().at(0).value<QDBusArgument>() >> sections;
            id =
                sections.value(QStringLiteral("connection")).value(QStringLiteral("id")).toString();
            if (id.isNull())
                id = QLatin1String("");
        }
        ids.insert(path, id);
        profiles.push_back({path, id});
    }
    m_profiles = std::move(profiles);
    m_profileIds = std::move(ids);
    m_profilesDirty = false;
}

void NetworkManagerService::reloadActive()
{
    const QString service = QString::fromLatin1(kService);
    auto getAll = [&](const QString &path, const QString &interface, QVariantMap *out) {
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, kPropertiesInterface,
                                                           QStringLiteral("GetAll"));
        call << interface;
        const QDBusMessage reply = m_bus.call(call, QDBus::Block, m_options.callTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return false;
        reply.arguments().at(0).value<QDBusArgument>() >> *out;
        return true;
    };

    QVariantMap manager;
    if (!getAll(kPath, kManagerInterface, &manager))
        return; // kept dirty: read again with the next change
    const QList<QDBusObjectPath> paths =
        objectPaths(manager.value(QStringLiteral("ActiveConnections")));

    std::vector<std::unique_ptr<Active>> fresh;
    for (const QDBusObjectPath &objectPath : paths) {
        const QString path = objectPath.path();
        QVariantMap properties;
        if (!getAll(path, kActiveInterface, &properties))
            continue; // gone meanwhile

        std::unique_ptr<Active> active;
        auto known = std::find_if(m_active.begin(), m_active.end(),
                                  [&](const auto &a) { return a && a->path == path; });
        if (known != m_active.end()) {
            active = std::move(*known);
        } else {
            active = std::make_unique<Active>();
            active->path = path;
            active->handle = ++m_lastHandle; // never reused
        }
        active->id = properties.value(QStringLiteral("Id")).toString();
        active->state = properties.value(QStringLiteral("State")).toUInt();
        // The loopback is always up; it is no connection to the outside.
        const bool loopback =
            properties.value(QStringLiteral("Type")).toString() == QLatin1String("loopback");

        const QList<QDBusObjectPath> devices =
            objectPaths(properties.value(QStringLiteral("Devices")));
        QString interface;
        qint64 bitsPerSecond = 0;
        QString devicePath = devices.isEmpty() ? QString() : devices.first().path();
        QVariantMap device;
        if (!devicePath.isEmpty() && getAll(devicePath, kDeviceInterface, &device)) {
            interface = device.value(QStringLiteral("IpInterface")).toString();
            if (interface.isEmpty())
                interface = device.value(QStringLiteral("Interface")).toString();
            const uint type = device.value(QStringLiteral("DeviceType")).toUInt();
            QVariantMap specific;
            if (type == kDeviceTypeEthernet && getAll(devicePath, kWiredInterface, &specific))
                bitsPerSecond = qint64(specific.value(QStringLiteral("Speed")).toUInt()) * 1000000;
            else if (type == kDeviceTypeWifi && getAll(devicePath, kWirelessInterface, &specific))
                bitsPerSecond = qint64(specific.value(QStringLiteral("Bitrate")).toUInt()) * 1000;
        }
        if (interface != active->interface) {
            active->interface = interface;
            active->counters.reset();
            active->isPpp = interface.startsWith(QLatin1String("ppp"));
            active->pidFileEpochMs = -1;
            active->nextPidFileLookMs = 0;
            active->compressionAbsent = false;
        }
        active->devicePath = devicePath;
        active->bitsPerSecond = bitsPerSecond;
        if (active->state == kActivated && active->activatedAtMs < 0)
            active->activatedAtMs = m_clock.elapsed();
        active->listed = active->state == kActivated && !loopback;
        fresh.push_back(std::move(active));
    }
    m_active = std::move(fresh);
    m_listed.clear();
    for (const auto &active : m_active) {
        if (active->listed)
            m_listed.push_back(active.get());
    }
    m_activeDirty = false;
}

// --- the seam ------------------------------------------------------------------------------

int NetworkManagerService::enumConnections(ConnectionRecord *records, int capacity, int *count)
{
    if (!m_available) {
        *count = 0;
        return NotAvailable;
    }
    const int n = static_cast<int>(m_listed.size());
    *count = n;
    const int filled = std::min(n, std::max(capacity, 0));
    for (int i = 0; i < filled; ++i) {
        records[i].hrasconn = m_listed[i]->handle;
        records[i].szEntryName = m_listed[i]->id;
    }
    return n > capacity ? BufferTooSmall : Success;
}

int NetworkManagerService::enumEntries(QString *names, int capacity, int *count)
{
    if (!m_available) {
        *count = 0;
        return NotAvailable;
    }
    const int n = static_cast<int>(m_profiles.size());
    *count = n;
    const int filled = std::min(n, std::max(capacity, 0));
    for (int i = 0; i < filled; ++i)
        names[i] = m_profiles[i].id;
    return n > capacity ? BufferTooSmall : Success;
}

NetworkManagerService::Active *NetworkManagerService::findActive(ConnectionHandle handle)
{
    if (handle == 0)
        return nullptr;
    for (const auto &active : m_active) {
        if (active->handle == handle)
            return active.get();
    }
    return nullptr;
}

const NetworkManagerService::Active *
NetworkManagerService::findActive(ConnectionHandle handle) const
{
    return const_cast<NetworkManagerService *>(this)->findActive(handle);
}

QString NetworkManagerService::interfaceOf(ConnectionHandle handle) const
{
    const Active *active = findActive(handle);
    return active ? active->interface : QString();
}

qint64 NetworkManagerService::connectDurationMs(Active &active)
{
    const qint64 now = m_clock.elapsed();
    // pppd writes its pid file when the link comes up, which is a better
    // start than when this program first saw the connection.
    if (active.isPpp && active.pidFileEpochMs < 0 && now >= active.nextPidFileLookMs) {
        active.nextPidFileLookMs = now + kPidFileRetryMs;
        for (const QString &folder : std::as_const(m_options.pidFolders)) {
            const QByteArray path =
                (folder + QLatin1String("/ppp-") + active.interface + QLatin1String(".pid"))
                    .toLocal8Bit();
            struct stat info;
            if (::stat(path.constData(), &info) == 0) {
                active.pidFileEpochMs =
                    qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
                break;
            }
        }
    }
    if (active.pidFileEpochMs >= 0)
        return std::max<qint64>(0, QDateTime::currentMSecsSinceEpoch() - active.pidFileEpochMs);
    if (active.activatedAtMs < 0)
        return 0;
    return now - active.activatedAtMs;
}

int NetworkManagerService::connectionStatistics(ConnectionHandle handle, SessionCounters *out)
{
    if (!m_available)
        return NotAvailable;
    Active *active = findActive(handle);
    if (!active)
        return InvalidHandle;
    if (!active->counters)
        active->counters =
            std::make_unique<InterfaceCounters>(m_options.sysfsRoot, active->interface);
    InterfaceCounters::Values values;
    if (!active->counters->read(&values))
        return InvalidHandle;

    SessionCounters counters;
    counters.dwBytesRcved = values.rxBytes;
    counters.dwBytesXmited = values.txBytes;
    counters.dwFramesRcved = values.rxPackets;
    counters.dwFramesXmited = values.txPackets;
    counters.dwBps = active->bitsPerSecond;
    counters.dwConnectDuration = connectDurationMs(*active);
    if (active->isPpp && !active->compressionAbsent) {
        PppCompression::Ratios ratios;
        if (m_compression.read(active->interface, &ratios)) {
            counters.dwCompressionRatioIn = ratios.in;
            counters.dwCompressionRatioOut = ratios.out;
        } else {
            // No compression on this link (or no such figures): not asked again.
            active->compressionAbsent = true;
        }
    }
    *out = counters;
    return Success;
}

int NetworkManagerService::hangUp(ConnectionHandle handle)
{
    if (!m_available)
        return NotAvailable;
    const Active *active = findActive(handle);
    if (!active)
        return InvalidHandle;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), kPath, kManagerInterface,
                                       QStringLiteral("DeactivateConnection"));
    call << QVariant::fromValue(QDBusObjectPath(active->path));
    m_bus.asyncCall(call);
    return Success;
}

int NetworkManagerService::connectStatus(ConnectionHandle handle)
{
    if (!m_available)
        return NotAvailable;
    return findActive(handle) ? Success : InvalidHandle;
}

void NetworkManagerService::waitForChange(int ms)
{
    QThread::msleep(static_cast<unsigned long>(std::max(ms, 0)));
    // Only the bus's deliveries to this service are let in: the program's
    // timers stay still while it waits.
    QCoreApplication::sendPostedEvents(m_watcher, QEvent::MetaCall);
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    if (m_refreshQueued)
        refresh();
}

std::unique_ptr<DialAttempt> NetworkManagerService::dial(const QString &entryName)
{
    if (!m_available)
        return std::make_unique<NetworkManagerDialAttempt>(
            entryName,
            QCoreApplication::translate("NetworkManager", "NetworkManager is not running."));
    for (const Profile &profile : m_profiles) {
        if (profile.id == entryName)
            return std::make_unique<NetworkManagerDialAttempt>(m_bus, entryName, profile.path);
    }
    return std::make_unique<NetworkManagerDialAttempt>(
        entryName, QCoreApplication::translate(
                       "NetworkManager", "There is no connection profile named \u201c%1\u201d.")
                       .arg(entryName));
}

ConnectionService::PhonebookEditing NetworkManagerService::phonebookEditing() const
{
    PhonebookEditing editing;
    const QString program = QStandardPaths::findExecutable(m_options.editorProgram);
    if (!program.isEmpty()) {
        editing.program = program;
        return editing;
    }
    editing.explanation =
        QCoreApplication::translate(
            "NetworkManager",
            "Connections are edited with the network connection editor (%1), which is not "
            "installed. Install the package network-manager-gnome, or edit the connections in "
            "the network settings of your desktop.")
            .arg(m_options.editorProgram);
    return editing;
}
