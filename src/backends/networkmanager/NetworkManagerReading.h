#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>
#include <vector>

class QDBusMessage;

// One reading of NetworkManager's state: its saved profiles, its active
// connections with their devices, or both. Runs asynchronously, so a slow
// daemon never holds up the program, or blocking for the first reading.
class NetworkManagerReading : public QObject
{
    Q_OBJECT
public:
    struct Profile
    {
        QString path;
        QString id;
        QString type;         // connection.type: "gsm", "802-3-ethernet", ...
        uint metered = 0;     // connection.metered (NMMetered)
        qint64 timestamp = 0; // connection.timestamp: last activation, seconds since the epoch
    };
    struct Active
    {
        QString path;
        QString id;
        QString type;
        uint state = 0;
        QString profilePath;
        QString devicePath;
        QString interface; // IpInterface, else Interface
        qint64 bitsPerSecond = 0;
        uint deviceMetered = 0; // the device's Metered (NMMetered)
    };

    // knownProfiles: profiles already read, by path, not asked about again.
    NetworkManagerReading(const QDBusConnection &bus, bool profiles, bool active,
                          QHash<QString, Profile> knownProfiles, int timeoutMs,
                          QObject *parent = nullptr);

    // Emits finished() when every answer is in; when blocking, before it returns.
    void start(bool blocking);

    bool readsProfiles() const { return m_readProfiles; }
    bool readsActive() const { return m_readActive; }
    // False when the daemon did not answer a question the reading depends on.
    bool succeeded() const { return !m_failed; }
    std::vector<Profile> profiles() const;
    std::vector<Active> actives() const;

signals:
    void finished();

private:
    using Handler = std::function<void(const QDBusMessage &reply)>;
    void ask(const QString &path, const QString &interface, const QString &method,
             const QVariantList &arguments, Handler handler);
    void answered(const QDBusMessage &call, const QDBusMessage &reply, const Handler &handler);
    void readDevice(int activeIndex);

    QDBusConnection m_bus;
    bool m_readProfiles;
    bool m_readActive;
    QHash<QString, Profile> m_knownProfiles;
    int m_timeoutMs;
    bool m_blocking = false;
    bool m_failed = false;
    int m_pending = 0;

    QStringList m_profilePaths;
    QHash<QString, Profile> m_read;
    std::vector<Active> m_actives;
    std::vector<bool> m_activeFound;
};
