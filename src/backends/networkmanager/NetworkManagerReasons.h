#pragma once

#include <QString>

// Readable texts for the reason codes NetworkManager gives when an active
// connection or a device changes state (its D-Bus API's enumerations).
namespace NetworkManagerReasons {

// NMActiveConnectionStateReason.
QString activeConnectionReason(uint code);
// NMDeviceStateReason; the empty text for codes that explain no failure.
QString deviceReason(uint code);

} // namespace NetworkManagerReasons
