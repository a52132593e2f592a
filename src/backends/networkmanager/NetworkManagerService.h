#pragma once

#include "backends/InterfaceCounters.h"
#include "backends/PppCompression.h"
#include "backends/PppPidFile.h"
#include "backends/networkmanager/NetworkManagerReading.h"
#include "connection/ConnectionService.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QDBusMessage;
class QDBusServiceWatcher;
class QTimer;

// Where the NetworkManager back end finds what is not on the bus.
struct NetworkManagerOptions
{
    QString sysfsRoot = QStringLiteral("/sys");
    // Folders where pppd keeps ppp-IFACE.pid, tried in order.
    QStringList pidFolders = PppPidFile::defaultFolders();
    QString editorProgram = QStringLiteral("nm-connection-editor");
    // Limit of one D-Bus round trip while the state is brought up to date.
    int callTimeoutMs = 3000;
    // After the daemon did not answer, when to read its state again.
    int retryMs = 1000;
};

// Connections through NetworkManager: the phonebook is the list of saved
// profiles, the active connections are NetworkManager's, as far as they are
// lines that cost money: dial-up kinds (gsm, cdma, pppoe, adsl, bluetooth,
// anything over a ppp device), metered ones, and those named like a
// configured provider (or all, with WatchAll). The state the tick asks for is
// kept up to date from NetworkManager's signals, so enumerations and
// statistics cost no round trip on the bus.
class NetworkManagerService : public ConnectionService
{
    Q_OBJECT
public:
    static constexpr const char *kService = "org.freedesktop.NetworkManager";

    explicit NetworkManagerService(const QDBusConnection &bus = systemBus(),
                                   NetworkManagerOptions options = {}, QObject *parent = nullptr);
    ~NetworkManagerService() override;

    // The system bus, on a connection that delivers signals from the start.
    static QDBusConnection systemBus();
    // NetworkManager's name is on the bus.
    static bool isRunning(const QDBusConnection &bus = systemBus());

    QString backendName() const override { return QStringLiteral("networkmanager"); }
    int enumConnections(ConnectionRecord *records, int capacity, int *count) override;
    int connectionStatistics(ConnectionHandle handle, SessionCounters *out) override;
    int enumEntries(QString *names, int capacity, int *count) override;
    int hangUp(ConnectionHandle handle) override;
    int connectStatus(ConnectionHandle handle) override;
    QString interfaceName(ConnectionHandle handle) const override;
    QString resumeToken(ConnectionHandle handle) const override;
    bool countsSinceConnect(ConnectionHandle handle) const override;
    bool resume(ConnectionHandle handle, const QString &token) override;
    std::unique_ptr<DialAttempt> dial(const QString &entryName) override;
    PhonebookEditing phonebookEditing() const override;
    void waitForChange(int ms) override;
    void setWatchPolicy(const WatchPolicy &policy) override;
    QStringList allEntryNames() override;

    // NetworkManager is on the bus (its state may still be on the way).
    bool isAvailable() const { return m_available; }

private slots:
    void onServiceRegistered();
    void onServiceUnregistered();
    void onPropertiesChanged(const QDBusMessage &message);
    void onProfilesChanged();
    void onProfileUpdated(const QDBusMessage &message);
    void onActiveStateChanged();
    void refresh();
    void onReadingFinished();

private:
    using Profile = NetworkManagerReading::Profile;
    struct Active
    {
        QString path;
        ConnectionHandle handle = 0;
        QString id;
        QString type;
        uint state = 0;
        QString profilePath;
        QString interface; // where its traffic goes (IpInterface, else Interface)
        QString devicePath;
        uint deviceMetered = 0;
        qint64 bitsPerSecond = 0;
        // Up already when the daemon's state was first read: its start and
        // its traffic so far are not known from watching it come up.
        bool upAtFirstReading = false;
        // m_clock time the connection came up, once known (before the clock
        // started, for one that came up earlier: then negative).
        std::optional<qint64> startMs;
        qint64 listedSeq = 0; // order in which it came to count, 0 while it does not
        // Statistics state, kept between ticks.
        std::unique_ptr<InterfaceCounters> counters;
        bool isPpp = false;
        // The counters when it came to count: its zero, where the interface
        // is not its own (wwan0, Ethernet, Wi-Fi outlive a connection).
        bool hasBaseline = false;
        InterfaceCounters::Values baseline;
        bool baselineResumed = false; // put back from a resume token
        bool pidFileFound = false;
        qint64 nextPidFileLookMs = 0; // when to look again while not found
        bool compressionAbsent = false;
    };

    void scheduleRefresh(bool profiles);
    NetworkManagerReading *startReading(bool blocking);
    void applyProfiles(std::vector<NetworkManagerReading::Profile> profiles);
    void applyActive(const std::vector<NetworkManagerReading::Active> &actives);
    void keepOnlyActive(const QSet<QString> &paths);
    // Decides again which connections and profiles count, and lists them.
    void relist();
    bool counts(const Active &active) const;
    bool inPhonebook(const Profile &profile) const;
    const Profile *profileAt(const QString &path) const;
    void takeBaseline(Active &active);
    qint64 monotonicFromEpochMs(qint64 epochMs) const;
    qint64 epochFromMonotonicMs(qint64 monotonicMs) const;
    void dropState();
    // Only the connections that count exist for the program's calls.
    Active *findActive(ConnectionHandle handle);
    const Active *findActive(ConnectionHandle handle) const;
    qint64 connectDurationMs(Active &active);

    QDBusConnection m_bus;
    NetworkManagerOptions m_options;
    QDBusServiceWatcher *m_watcher = nullptr;
    bool m_available = false;
    bool m_refreshQueued = false;
    NetworkManagerReading *m_reading = nullptr; // the one in flight
    QSet<QString> m_goneDuringReading;          // active connections it must not bring back
    QSet<QString> m_changedDuringReading;       // profiles whose id it may have read stale
    QTimer *m_retry = nullptr;
    bool m_profilesDirty = true;
    bool m_activeDirty = true;

    WatchPolicy m_policy;
    std::vector<Profile> m_allProfiles;      // every profile, in NetworkManager's order
    std::vector<Profile> m_profiles;         // the phonebook: those that count
    QHash<QString, Profile> m_knownProfiles; // read already, by path
    std::vector<std::unique_ptr<Active>> m_active;
    std::vector<Active *> m_listed; // those that count, in the order they came to
    bool m_activeReadOnce = false;  // since the daemon (re)appeared
    qint64 m_lastListedSeq = 0;
    ConnectionHandle m_lastHandle = 0;
    QElapsedTimer m_clock;
    PppCompression m_compression;
};
