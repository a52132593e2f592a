#pragma once

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QList>
#include <QString>
#include <QVariant>

// Names of NetworkManager's D-Bus API that the back end talks to, and the
// few values of its enumerations that it acts on.
namespace NetworkManagerDBus {

inline const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
inline const QString kPath = QStringLiteral("/org/freedesktop/NetworkManager");
inline const QString kSettingsPath = QStringLiteral("/org/freedesktop/NetworkManager/Settings");
inline const QString kManagerInterface = QStringLiteral("org.freedesktop.NetworkManager");
inline const QString kSettingsInterface = QStringLiteral("org.freedesktop.NetworkManager.Settings");
inline const QString kProfileInterface =
    QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
inline const QString kActiveInterface =
    QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
inline const QString kDeviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");
inline const QString kWiredInterface =
    QStringLiteral("org.freedesktop.NetworkManager.Device.Wired");
inline const QString kWirelessInterface =
    QStringLiteral("org.freedesktop.NetworkManager.Device.Wireless");
inline const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// NMActiveConnectionState
inline constexpr uint kActivated = 2;
inline constexpr uint kDeactivated = 4;

// A property holding object paths, whether it arrived demarshalled or not.
inline QList<QDBusObjectPath> objectPaths(const QVariant &value)
{
    QList<QDBusObjectPath> paths;
    if (value.canConvert<QDBusArgument>())
        value.value<QDBusArgument>() >> paths;
    else
        paths = value.value<QList<QDBusObjectPath>>();
    return paths;
}

} // namespace NetworkManagerDBus
