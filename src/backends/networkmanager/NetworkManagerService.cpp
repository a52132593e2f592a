#include "backends/networkmanager/NetworkManagerService.h"

#include "backends/ResumeToken.h"
#include "backends/networkmanager/NetworkManagerDBus.h"
#include "backends/networkmanager/NetworkManagerDialAttempt.h"
#include "connection/CallerBuffer.h"
#include "core/LogCategories.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QDateTime>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>

using namespace NetworkManagerDBus;

namespace {

// While pppd's pid file is missing, how often to look for it again.
constexpr qint64 kPidFileRetryMs = 1000;

const QString kTokenKind = QStringLiteral("networkmanager");
constexpr int kTokenVersion = 1;

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

    m_retry = new QTimer(this);
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &NetworkManagerService::refresh);

    // The first reading blocks, so that a caller that asks at once (the
    // command-line tool) finds the state there.
    if (isRunning(m_bus)) {
        m_available = true;
        startReading(true);
    }
}

NetworkManagerService::~NetworkManagerService() = default;

QDBusConnection NetworkManagerService::systemBus()
{
    // A connection of its own: Qt holds back the signals of the shared
    // QDBusConnection::systemBus() until the event loop first runs, and a
    // caller that waits before that (the command-line tool's hang-up) would
    // never see a connection go.
    return QDBusConnection::connectToBus(QDBusConnection::SystemBus,
                                         QStringLiteral("dialometer-networkmanager"));
}

bool NetworkManagerService::isRunning(const QDBusConnection &bus)
{
    if (!bus.isConnected() || !bus.interface())
        return false;
    return bus.interface()->isServiceRegistered(QString::fromLatin1(kService)).value();
}

// --- keeping the state up to date ---------------------------------------------------------

void NetworkManagerService::onServiceRegistered()
{
    qCDebug(lcNetworkManager) << "NetworkManager is on the bus";
    dropState();
    m_available = true;
    scheduleRefresh(true);
}

void NetworkManagerService::onServiceUnregistered()
{
    // Whatever NetworkManager had active is unknown now; a new instance
    // names its active connections afresh, so no handle carries over.
    qCDebug(lcNetworkManager) << "NetworkManager left the bus";
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
          QStringLiteral("ActiveConnection"), QStringLiteral("Metered")}},
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
    // A connection that ended is gone at once, without waiting for the
    // reading: the hang-up wait sees it through this signal alone.
    const auto activeList = changed.constFind(QStringLiteral("ActiveConnections"));
    if (interface == kManagerInterface && activeList != changed.cend()) {
        QSet<QString> paths;
        for (const QDBusObjectPath &path : objectPaths(*activeList))
            paths.insert(path.path());
        keepOnlyActive(paths);
    }
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
    m_knownProfiles.remove(message.path());
    m_changedDuringReading.insert(message.path());
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
    // One reading at a time; what changes meanwhile is read when it is done.
    if (!m_available || m_reading || (!m_profilesDirty && !m_activeDirty))
        return;
    startReading(false);
}

NetworkManagerReading *NetworkManagerService::startReading(bool blocking)
{
    m_reading = new NetworkManagerReading(m_bus, m_profilesDirty, m_activeDirty, m_knownProfiles,
                                          m_options.callTimeoutMs, this);
    m_profilesDirty = false;
    m_activeDirty = false;
    m_goneDuringReading.clear();
    m_changedDuringReading.clear();
    connect(m_reading, &NetworkManagerReading::finished, this,
            &NetworkManagerService::onReadingFinished);
    NetworkManagerReading *reading = m_reading;
    reading->start(blocking);
    return reading;
}

void NetworkManagerService::onReadingFinished()
{
    auto *reading = qobject_cast<NetworkManagerReading *>(sender());
    if (!reading)
        return;
    reading->deleteLater();
    if (reading != m_reading)
        return; // from before the daemon went or changed hands
    m_reading = nullptr;
    if (!reading->succeeded()) {
        // Read again a little later, not in a tight loop against a stuck daemon.
        qCWarning(lcNetworkManager)
            << "NetworkManager did not answer; reading again in" << m_options.retryMs << "ms";
        m_profilesDirty = m_profilesDirty || reading->readsProfiles();
        m_activeDirty = m_activeDirty || reading->readsActive();
        m_retry->start(m_options.retryMs);
        return;
    }
    if (reading->readsProfiles())
        applyProfiles(reading->profiles());
    if (reading->readsActive())
        applyActive(reading->actives());
    relist();
    emit changed();
    if (m_profilesDirty || m_activeDirty)
        scheduleRefresh(m_profilesDirty);
}

void NetworkManagerService::dropState()
{
    if (m_reading) {
        m_reading->disconnect(this);
        m_reading->deleteLater();
        m_reading = nullptr;
    }
    m_retry->stop();
    m_allProfiles.clear();
    m_profiles.clear();
    m_knownProfiles.clear();
    m_listed.clear();
    m_active.clear();
    m_activeReadOnce = false;
    m_profilesDirty = true;
    m_activeDirty = true;
}

void NetworkManagerService::applyProfiles(std::vector<NetworkManagerReading::Profile> profiles)
{
    QHash<QString, Profile> known;
    for (const Profile &profile : profiles) {
        // A profile changed while it was read is asked about again next time.
        if (!m_changedDuringReading.contains(profile.path))
            known.insert(profile.path, profile);
    }
    m_knownProfiles = std::move(known);
    m_allProfiles = std::move(profiles);
}

void NetworkManagerService::applyActive(const std::vector<NetworkManagerReading::Active> &actives)
{
    // What is activated at the first reading was up before it was seen.
    const bool firstReading = !m_activeReadOnce;
    m_activeReadOnce = true;
    std::vector<std::unique_ptr<Active>> fresh;
    for (const NetworkManagerReading::Active &read : actives) {
        if (m_goneDuringReading.contains(read.path))
            continue;
        std::unique_ptr<Active> active;
        auto known = std::find_if(m_active.begin(), m_active.end(),
                                  [&](const auto &a) { return a && a->path == read.path; });
        if (known != m_active.end()) {
            active = std::move(*known);
        } else {
            active = std::make_unique<Active>();
            active->path = read.path;
            active->handle = ++m_lastHandle; // never reused
            active->upAtFirstReading = firstReading && read.state == kActivated;
        }
        active->id = read.id;
        active->type = read.type;
        active->state = read.state;
        active->profilePath = read.profilePath;
        if (read.interface != active->interface) {
            active->interface = read.interface;
            active->counters.reset();
            active->isPpp = read.interface.startsWith(QLatin1String("ppp"));
            active->hasBaseline = false;
            active->baselineResumed = false;
            active->pidFileFound = false;
            active->nextPidFileLookMs = 0;
            active->compressionAbsent = false;
        }
        active->devicePath = read.devicePath;
        active->deviceMetered = read.deviceMetered;
        active->bitsPerSecond = read.bitsPerSecond;
        if (active->state == kActivated && !active->startMs) {
            // Seen coming up: now. Up before the program looked: when the
            // daemon last activated the profile, as far as it says.
            active->startMs = m_clock.elapsed();
            const Profile *profile = profileAt(active->profilePath);
            if (active->upAtFirstReading && profile && profile->timestamp > 0)
                active->startMs = monotonicFromEpochMs(profile->timestamp * 1000);
        }
        fresh.push_back(std::move(active));
    }
    m_active = std::move(fresh);
}

void NetworkManagerService::keepOnlyActive(const QSet<QString> &paths)
{
    const auto gone = std::remove_if(m_active.begin(), m_active.end(), [&](const auto &a) {
        if (paths.contains(a->path))
            return false;
        m_goneDuringReading.insert(a->path);
        return true;
    });
    if (gone == m_active.end())
        return;
    m_active.erase(gone, m_active.end());
    relist();
    emit changed();
}

namespace {

// NMMetered
constexpr uint kMeteredYes = 1;
constexpr uint kMeteredGuessYes = 3;

bool isDialupKind(const QString &type)
{
    static const QStringList kinds = {QStringLiteral("gsm"), QStringLiteral("cdma"),
                                      QStringLiteral("pppoe"), QStringLiteral("adsl"),
                                      QStringLiteral("bluetooth")};
    return kinds.contains(type);
}

} // namespace

const NetworkManagerService::Profile *NetworkManagerService::profileAt(const QString &path) const
{
    for (const Profile &profile : m_allProfiles) {
        if (profile.path == path)
            return &profile;
    }
    return nullptr;
}

bool NetworkManagerService::inPhonebook(const Profile &profile) const
{
    if (profile.type == QLatin1String("loopback"))
        return false;
    return m_policy.watchAll || isDialupKind(profile.type) || profile.metered == kMeteredYes ||
           m_policy.providerNames.contains(profile.id);
}

bool NetworkManagerService::counts(const Active &active) const
{
    // The loopback is always up; it is no connection to the outside.
    if (active.state != kActivated || active.type == QLatin1String("loopback"))
        return false;
    if (m_policy.watchAll || isDialupKind(active.type) || active.isPpp)
        return true;
    if (active.deviceMetered == kMeteredYes || active.deviceMetered == kMeteredGuessYes)
        return true;
    const Profile *profile = profileAt(active.profilePath);
    if (profile && profile->metered == kMeteredYes)
        return true;
    return m_policy.providerNames.contains(active.id);
}

qint64 NetworkManagerService::monotonicFromEpochMs(qint64 epochMs) const
{
    // Turned into the monotonic clock once, so a later step of the wall
    // clock does not change the duration; never later than now.
    const qint64 now = m_clock.elapsed();
    return now - std::max<qint64>(0, QDateTime::currentMSecsSinceEpoch() - epochMs);
}

qint64 NetworkManagerService::epochFromMonotonicMs(qint64 monotonicMs) const
{
    return QDateTime::currentMSecsSinceEpoch() - (m_clock.elapsed() - monotonicMs);
}

void NetworkManagerService::takeBaseline(Active &active)
{
    active.hasBaseline = false;
    active.baselineResumed = false;
    active.baseline = InterfaceCounters::Values();
    if (active.isPpp) {
        // pppd's interface is made for the connection: all its traffic is the
        // connection's, also what passed before the program looked.
        active.hasBaseline = true;
        return;
    }
    if (!active.counters)
        active.counters =
            std::make_unique<InterfaceCounters>(m_options.sysfsRoot, active.interface);
    // When the interface cannot be read yet, the first reading is the zero.
    active.hasBaseline = active.counters->read(&active.baseline);
}

void NetworkManagerService::relist()
{
    m_profiles.clear();
    for (const Profile &profile : m_allProfiles) {
        if (inPhonebook(profile))
            m_profiles.push_back(profile);
    }
    m_listed.clear();
    for (const auto &active : m_active) {
        if (!counts(*active)) {
            active->listedSeq = 0;
            continue;
        }
        if (active->listedSeq == 0) {
            // It counts from now on: its own counters start here.
            active->listedSeq = ++m_lastListedSeq;
            takeBaseline(*active);
            qCDebug(lcNetworkManager) << "watching" << active->id << active->type
                                      << active->interface << "handle" << active->handle;
        }
        m_listed.push_back(active.get());
    }
    // The first listed stays first while it lasts: a connection that comes
    // to count later goes behind the others.
    std::sort(m_listed.begin(), m_listed.end(),
              [](const Active *a, const Active *b) { return a->listedSeq < b->listedSeq; });
}

QStringList NetworkManagerService::allEntryNames()
{
    QStringList names;
    for (const Profile &profile : m_allProfiles) {
        if (profile.type != QLatin1String("loopback"))
            names.append(profile.id);
    }
    return names;
}

void NetworkManagerService::setWatchPolicy(const WatchPolicy &policy)
{
    if (policy == m_policy)
        return;
    m_policy = policy;
    relist();
    emit changed();
}

// --- the seam ------------------------------------------------------------------------------

int NetworkManagerService::enumConnections(ConnectionRecord *records, int capacity, int *count)
{
    if (!m_available) {
        *count = 0;
        return NotAvailable;
    }
    return fillCallerBuffer(m_listed, records, capacity, count,
                            [](const Active *active, ConnectionRecord &record) {
                                record.hrasconn = active->handle;
                                record.szEntryName = active->id;
                            });
}

int NetworkManagerService::enumEntries(QString *names, int capacity, int *count)
{
    if (!m_available) {
        *count = 0;
        return NotAvailable;
    }
    return fillCallerBuffer(m_profiles, names, capacity, count,
                            [](const Profile &profile, QString &name) { name = profile.id; });
}

NetworkManagerService::Active *NetworkManagerService::findActive(ConnectionHandle handle)
{
    if (handle == 0)
        return nullptr;
    for (Active *active : m_listed) {
        if (active->handle == handle)
            return active;
    }
    return nullptr;
}

const NetworkManagerService::Active *
NetworkManagerService::findActive(ConnectionHandle handle) const
{
    return const_cast<NetworkManagerService *>(this)->findActive(handle);
}

QString NetworkManagerService::interfaceName(ConnectionHandle handle) const
{
    const Active *active = findActive(handle);
    return active ? active->interface : QString();
}

QString NetworkManagerService::resumeToken(ConnectionHandle handle) const
{
    const Active *active = findActive(handle);
    if (!active)
        return QString();
    ResumeToken token(kTokenKind, kTokenVersion);
    token.insert(QStringLiteral("active"), active->path);
    token.insert(QStringLiteral("profile"), active->profilePath);
    token.insert(QStringLiteral("iface"), active->interface);
    if (active->startMs)
        token.insert(QStringLiteral("since"), epochFromMonotonicMs(*active->startMs));
    // A ppp interface counts whole: it has no zero to keep.
    if (!active->isPpp && active->hasBaseline) {
        token.insert(QStringLiteral("rx"), active->baseline.rxBytes);
        token.insert(QStringLiteral("tx"), active->baseline.txBytes);
        token.insert(QStringLiteral("rxp"), active->baseline.rxPackets);
        token.insert(QStringLiteral("txp"), active->baseline.txPackets);
    }
    return token.text();
}

bool NetworkManagerService::countsSinceConnect(ConnectionHandle handle) const
{
    // The zero of a connection found up is the first reading.
    const Active *active = findActive(handle);
    return active && (active->isPpp || !active->upAtFirstReading || active->baselineResumed);
}

bool NetworkManagerService::resume(ConnectionHandle handle, const QString &text)
{
    Active *active = findActive(handle);
    const std::optional<ResumeToken> token = ResumeToken::parse(text, kTokenKind, kTokenVersion);
    // The daemon names each activation anew: the same path and profile is
    // the same connection, one that went down and came up again is not.
    if (!active || !token || token->value(QStringLiteral("active")) != active->path ||
        token->value(QStringLiteral("profile")) != active->profilePath)
        return false;

    const std::optional<qint64> since = token->number(QStringLiteral("since"));
    if (since && *since > 0)
        active->startMs = monotonicFromEpochMs(*since);

    const std::optional<qint64> rx = token->number(QStringLiteral("rx"));
    const std::optional<qint64> tx = token->number(QStringLiteral("tx"));
    const std::optional<qint64> rxp = token->number(QStringLiteral("rxp"));
    const std::optional<qint64> txp = token->number(QStringLiteral("txp"));
    if (!active->isPpp && rx && tx && rxp && txp &&
        token->value(QStringLiteral("iface")) == active->interface) {
        if (!active->counters)
            active->counters =
                std::make_unique<InterfaceCounters>(m_options.sysfsRoot, active->interface);
        // Counters below the old zero were reset meanwhile (the interface came
        // anew): then the zero taken now stands.
        InterfaceCounters::Values now;
        if (active->counters->read(&now) && now.rxBytes >= *rx && now.txBytes >= *tx &&
            now.rxPackets >= *rxp && now.txPackets >= *txp && *rx >= 0 && *tx >= 0 && *rxp >= 0 &&
            *txp >= 0) {
            active->baseline = {*rx, *tx, *rxp, *txp};
            active->hasBaseline = true;
            active->baselineResumed = true;
        }
    }
    qCDebug(lcNetworkManager) << "taking up" << active->id << "handle" << handle << "again";
    return true;
}

qint64 NetworkManagerService::connectDurationMs(Active &active)
{
    const qint64 now = m_clock.elapsed();
    // pppd writes its pid file when the link comes up, which is a better
    // start than when this program first saw the connection.
    if (active.isPpp && !active.pidFileFound && now >= active.nextPidFileLookMs) {
        active.nextPidFileLookMs = now + kPidFileRetryMs;
        const qint64 written = PppPidFile::linkWrittenAtMs(m_options.pidFolders, active.interface);
        if (written >= 0) {
            active.pidFileFound = true;
            active.startMs = monotonicFromEpochMs(written);
        }
    }
    if (!active.startMs)
        return 0;
    return std::max<qint64>(0, now - *active.startMs);
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
    if (!active->hasBaseline) {
        active->baseline = active->isPpp ? InterfaceCounters::Values() : values;
        active->hasBaseline = true;
    }

    // The connection's own traffic: the interface's counters since its zero.
    const InterfaceCounters::Values &zero = active->baseline;
    SessionCounters counters;
    counters.dwBytesRcved = values.rxBytes - zero.rxBytes;
    counters.dwBytesXmited = values.txBytes - zero.txBytes;
    counters.dwFramesRcved = values.rxPackets - zero.rxPackets;
    counters.dwFramesXmited = values.txPackets - zero.txPackets;
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
    qCDebug(lcNetworkManager) << "hanging up" << active->id << active->path;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [id = active->id](QDBusPendingCallWatcher *w) {
                w->deleteLater();
                if (w->isError())
                    qCWarning(lcNetworkManager).noquote()
                        << "DeactivateConnection of" << id << "failed:" << w->error().name()
                        << w->error().message();
            });
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
}

std::unique_ptr<DialAttempt> NetworkManagerService::dial(const QString &entryName)
{
    if (!m_available)
        return std::make_unique<NetworkManagerDialAttempt>(
            entryName,
            QCoreApplication::translate("NetworkManager", "NetworkManager is not running."));
    // Any saved profile can be brought up by name, also one that does not count.
    for (const Profile &profile : m_allProfiles) {
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
