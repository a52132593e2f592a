#pragma once

#include "connection/DialAttempt.h"

#include <QDBusConnection>
#include <QHash>
#include <QStringList>

class QDBusMessage;
class QDBusPendingCallWatcher;

// Activates one NetworkManager profile and follows the active connection it
// creates until it is activated (Connected) or gone (Failed, with the reason
// NetworkManager gives).
class NetworkManagerDialAttempt : public DialAttempt
{
    Q_OBJECT
public:
    // Starts activating the profile at profilePath at once.
    NetworkManagerDialAttempt(const QDBusConnection &bus, const QString &entryName,
                              const QString &profilePath, QObject *parent = nullptr);
    // An attempt that could not start: finished as Failed with reason.
    NetworkManagerDialAttempt(const QString &entryName, const QString &reason,
                              QObject *parent = nullptr);

    void cancel() override;

    // The active connection's object path, once NetworkManager has created it.
    QString activePath() const { return m_activePath; }

private slots:
    void onActivateFinished(QDBusPendingCallWatcher *watcher);
    void onActiveProperties(QDBusPendingCallWatcher *watcher);
    void onActiveStateChanged(uint state, uint reason, const QDBusMessage &message);
    void onDeviceStateChanged(uint newState, uint oldState, uint reason,
                              const QDBusMessage &message);
    void onServiceGone();

private:
    void applyState(uint state, uint reason);
    void deactivate();

    QDBusConnection m_bus;
    QString m_entryName;
    QString m_activePath;
    QStringList m_devices;
    bool m_cancelled = false;
    // States seen before the activation's reply named its path.
    QHash<QString, QPair<uint, uint>> m_earlyStates;
    // The last failure reason of each device, the more telling one.
    QHash<QString, uint> m_deviceReasons;
    uint m_lastDeviceReason = 0; // of any device, while this one's are not known
};
