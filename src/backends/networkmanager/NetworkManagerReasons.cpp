#include "backends/networkmanager/NetworkManagerReasons.h"

#include <QCoreApplication>

namespace {

QString unknownReason(uint code)
{
    return QCoreApplication::translate("NetworkManager", "NetworkManager gave reason %1.")
        .arg(code);
}

} // namespace

namespace NetworkManagerReasons {

QString activeConnectionReason(uint code)
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("NetworkManager", "The reason is unknown."),
        QT_TRANSLATE_NOOP("NetworkManager", "No reason was given."),
        QT_TRANSLATE_NOOP("NetworkManager", "The connection was disconnected by the user."),
        QT_TRANSLATE_NOOP("NetworkManager", "The device was disconnected."),
        QT_TRANSLATE_NOOP("NetworkManager", "The network service stopped."),
        QT_TRANSLATE_NOOP("NetworkManager", "The IP configuration was invalid."),
        QT_TRANSLATE_NOOP("NetworkManager", "The connection timed out."),
        QT_TRANSLATE_NOOP("NetworkManager", "The VPN service did not start in time."),
        QT_TRANSLATE_NOOP("NetworkManager", "The VPN service failed to start."),
        QT_TRANSLATE_NOOP("NetworkManager", "No valid secrets (password) were given."),
        QT_TRANSLATE_NOOP("NetworkManager", "The login failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The connection profile was removed."),
        QT_TRANSLATE_NOOP("NetworkManager", "A connection it depends on failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The software device could not be created."),
        QT_TRANSLATE_NOOP("NetworkManager", "The device was removed."),
    };
    if (code < std::size(texts))
        return QCoreApplication::translate("NetworkManager", texts[code]);
    return unknownReason(code);
}

QString deviceReason(uint code)
{
    static const char *const texts[] = {
        nullptr, // none
        QT_TRANSLATE_NOOP("NetworkManager", "The reason is unknown."),
        nullptr, // now managed
        QT_TRANSLATE_NOOP("NetworkManager", "The device is no longer managed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The device could not be configured."),
        QT_TRANSLATE_NOOP("NetworkManager", "No IP configuration could be obtained."),
        QT_TRANSLATE_NOOP("NetworkManager", "The IP configuration expired."),
        QT_TRANSLATE_NOOP("NetworkManager", "No valid secrets (password) were given."),
        QT_TRANSLATE_NOOP("NetworkManager", "The authentication supplicant disconnected."),
        QT_TRANSLATE_NOOP("NetworkManager",
                          "The authentication supplicant's configuration failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The authentication supplicant failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The authentication supplicant timed out."),
        QT_TRANSLATE_NOOP("NetworkManager", "The PPP service failed to start."),
        QT_TRANSLATE_NOOP("NetworkManager", "The PPP service disconnected."),
        QT_TRANSLATE_NOOP("NetworkManager", "The PPP service failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The DHCP client failed to start."),
        QT_TRANSLATE_NOOP("NetworkManager", "The DHCP client reported an error."),
        QT_TRANSLATE_NOOP("NetworkManager", "The DHCP client failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The shared connection service failed to start."),
        QT_TRANSLATE_NOOP("NetworkManager", "The shared connection service failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The link-local addressing service failed to start."),
        QT_TRANSLATE_NOOP("NetworkManager", "The link-local addressing service reported an error."),
        QT_TRANSLATE_NOOP("NetworkManager", "The link-local addressing service failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The line is busy."),
        QT_TRANSLATE_NOOP("NetworkManager", "There is no dial tone."),
        QT_TRANSLATE_NOOP("NetworkManager", "No carrier could be established."),
        QT_TRANSLATE_NOOP("NetworkManager", "The dialing request timed out."),
        QT_TRANSLATE_NOOP("NetworkManager", "The dialing attempt failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The modem could not be initialized."),
        QT_TRANSLATE_NOOP("NetworkManager", "The access point name (APN) could not be selected."),
        QT_TRANSLATE_NOOP("NetworkManager", "The modem is not searching for a network."),
        QT_TRANSLATE_NOOP("NetworkManager", "Registration with the network was denied."),
        QT_TRANSLATE_NOOP("NetworkManager", "Registration with the network timed out."),
        QT_TRANSLATE_NOOP("NetworkManager", "Registration with the network failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The SIM PIN check failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The device's firmware is missing."),
        QT_TRANSLATE_NOOP("NetworkManager", "The device was removed."),
        QT_TRANSLATE_NOOP("NetworkManager", "NetworkManager went to sleep."),
        QT_TRANSLATE_NOOP("NetworkManager", "The connection profile was removed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The connection was disconnected by the user."),
        QT_TRANSLATE_NOOP("NetworkManager", "The carrier (cable or line) was lost."),
        nullptr, // connection assumed
        nullptr, // supplicant available
        QT_TRANSLATE_NOOP("NetworkManager", "The modem was not found."),
        QT_TRANSLATE_NOOP("NetworkManager", "The Bluetooth connection failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "No SIM card is inserted."),
        QT_TRANSLATE_NOOP("NetworkManager", "The SIM PIN is required."),
        QT_TRANSLATE_NOOP("NetworkManager", "The SIM PUK is required."),
        QT_TRANSLATE_NOOP("NetworkManager", "The SIM card is the wrong one."),
        QT_TRANSLATE_NOOP("NetworkManager", "The InfiniBand mode is not supported."),
        QT_TRANSLATE_NOOP("NetworkManager", "A connection it depends on failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The ADSL (RFC 2684) bridge failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "ModemManager is not available."),
        QT_TRANSLATE_NOOP("NetworkManager", "The Wi-Fi network could not be found."),
        QT_TRANSLATE_NOOP("NetworkManager", "A secondary connection failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The DCB or FCoE setup failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The teamd control failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The modem failed."),
        nullptr, // modem available
        QT_TRANSLATE_NOOP("NetworkManager", "The SIM PIN was incorrect."),
        QT_TRANSLATE_NOOP("NetworkManager", "Another connection was activated on the device."),
        QT_TRANSLATE_NOOP("NetworkManager", "The parent device changed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The parent device's management changed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The Open vSwitch database failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The IP address is already in use on the network."),
        QT_TRANSLATE_NOOP("NetworkManager", "The IP method is not supported."),
        QT_TRANSLATE_NOOP("NetworkManager", "The SR-IOV configuration failed."),
        QT_TRANSLATE_NOOP("NetworkManager", "The peer was not found."),
    };
    if (code < std::size(texts))
        return texts[code] ? QCoreApplication::translate("NetworkManager", texts[code]) : QString();
    return unknownReason(code);
}

} // namespace NetworkManagerReasons
