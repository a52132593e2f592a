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
// profiles, the active connections are NetworkManager's. The state the tick
// asks for is kept up to date from NetworkManager's signals, so enumerations
// and statistics cost no round trip on the bus.
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
    std::unique_ptr<DialAttempt> dial(const QString &entryName) override;
    PhonebookEditing phonebookEditing() const override;
    void waitForChange(int ms) override;

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
    struct Profile
    {
        QString path;
        QString id;
    };
    struct Active
    {
        QString path;
        ConnectionHandle handle = 0;
        QString id;
        uint state = 0;
        bool listed = false; // activated, and not the loopback
        QString interface;   // where its traffic goes (IpInterface, else Interface)
        QString devicePath;
        qint64 bitsPerSecond = 0;
        qint64 activatedAtMs = -1; // m_clock time when first seen activated
        // Statistics state, kept between ticks.
        std::unique_ptr<InterfaceCounters> counters;
        bool isPpp = false;
        qint64 pidFileEpochMs = -1;   // pppd's pid file time, once found
        qint64 nextPidFileLookMs = 0; // when to look again while not found
        bool compressionAbsent = false;
    };

    void scheduleRefresh(bool profiles);
    NetworkManagerReading *startReading(bool blocking);
    void applyProfiles(std::vector<NetworkManagerReading::Profile> profiles);
    void applyActive(const std::vector<NetworkManagerReading::Active> &actives);
    void keepOnlyActive(const QSet<QString> &paths);
    void relist();
    void dropState();
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

    std::vector<Profile> m_profiles;
    QHash<QString, QString> m_profileIds; // profile path -> connection.id
    std::vector<std::unique_ptr<Active>> m_active;
    std::vector<Active *> m_listed; // the listed ones, in NetworkManager's order
    ConnectionHandle m_lastHandle = 0;
    QElapsedTimer m_clock;
    PppCompression m_compression;
};
