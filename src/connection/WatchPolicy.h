#pragma once

#include <QStringList>

class XmlDocument;

// Which of the system's connections the program watches, where a back end
// sees more than dial-up lines (NetworkManager lists the LAN, Wi-Fi and VPNs
// too). The back end decides what is a dial-up or metered line; this adds
// the user's own choices from the configuration.
struct WatchPolicy
{
    // The Name of every configured provider: a connection of that name is
    // watched whatever its kind.
    QStringList providerNames;
    // The general setting WatchAll = "1": every connection counts.
    bool watchAll = false;

    bool operator==(const WatchPolicy &) const = default;

    // The policy a configuration document sets. Reads only: a missing
    // element counts as absent and is not added.
    static WatchPolicy fromConfig(const XmlDocument &config);
};
