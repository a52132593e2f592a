#!/usr/bin/python3
"""A stand-in for NetworkManager on a private bus, for what the test machine
cannot do for real: a modem whose traffic goes over ppp0 while it is
connected. It keeps the daemon's object layout, properties and signals as far
as the Dialometer back end uses them.

Usage: fake-networkmanager.py   (DBUS_SYSTEM_BUS_ADDRESS names the bus)

Profiles:
  "Dial-up Provider"  connects after DELAY (0.1 s): IpInterface ppp0, activated
  "Busy Line"         the modem reports a busy line: the activation fails
  "Slow Provider"     stays activating until deactivated
  "Home Wi-Fi"        connects over wlan0 at 54 Mb/s; not metered
  "Mobile Broadband"  a gsm profile over wwan0, whose device reports Metered
                      guess-yes, as NetworkManager does for mobile broadband

A profile's connection.timestamp is set when it is activated, as the daemon
does.

org.dialometer.FakeControl.SetBitrate(u kbps) on the manager's path changes
the Wi-Fi bit rate, as a real device does when the signal changes.
"""

import sys
import time

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NM = "org.freedesktop.NetworkManager"
NM_PATH = "/org/freedesktop/NetworkManager"
SETTINGS = NM + ".Settings"
PROFILE = NM + ".Settings.Connection"
ACTIVE = NM + ".Connection.Active"
DEVICE = NM + ".Device"
MODEM = NM + ".Device.Modem"
WIRELESS = NM + ".Device.Wireless"
CONTROL = "org.dialometer.FakeControl"
PROPS = "org.freedesktop.DBus.Properties"

DELAY_MS = 100

# NMActiveConnectionState, NMDeviceState
ACTIVATING, ACTIVATED, DEACTIVATING, DEACTIVATED = 1, 2, 3, 4
DEV_DISCONNECTED, DEV_PREPARE, DEV_ACTIVATED, DEV_DEACTIVATING, DEV_FAILED = 30, 40, 100, 110, 120
REASON_DEVICE_DISCONNECTED, REASON_USER_DISCONNECTED = 3, 2
DEV_REASON_MODEM_BUSY, DEV_REASON_USER_REQUESTED = 23, 39
# NMMetered
METERED_GUESS_YES, METERED_GUESS_NO = 3, 4


class PropertyObject(dbus.service.Object):
    """An object with properties per interface and the standard Properties calls."""

    def __init__(self, bus, path):
        super().__init__(bus, path)
        self.path = path
        self.props = {}

    def set_props(self, interface, changes):
        self.props.setdefault(interface, {}).update(changes)
        self.PropertiesChanged(interface, changes, [])

    @dbus.service.method(PROPS, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        try:
            return self.props[interface][name]
        except KeyError:
            raise dbus.exceptions.DBusException(
                "No such property %s.%s" % (interface, name),
                name="org.freedesktop.DBus.Error.InvalidArgs")

    @dbus.service.method(PROPS, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return dbus.Dictionary(self.props.get(interface, {}), signature="sv")

    @dbus.service.signal(PROPS, signature="sa{sv}as")
    def PropertiesChanged(self, interface, changed, invalidated):
        pass


class Profile(PropertyObject):
    def __init__(self, bus, index, name, behaviour, kind="gsm", device=None):
        super().__init__(bus, "%s/Settings/%d" % (NM_PATH, index))
        self.name = name
        self.behaviour = behaviour
        self.kind = kind
        self.device = device
        self.timestamp = 0
        self.props[PROFILE] = {"Unsaved": False}

    @dbus.service.method(PROFILE, in_signature="", out_signature="a{sa{sv}}")
    def GetSettings(self):
        connection = {"id": self.name, "type": self.kind,
                      "uuid": "00000000-0000-0000-0000-%012d" % int(self.path[-1])}
        if self.timestamp:
            connection["timestamp"] = dbus.UInt64(self.timestamp)
        return {"connection": connection}


class Device(PropertyObject):
    def __init__(self, bus, index, interface, device_type, ip_interface, metered):
        super().__init__(bus, "%s/Devices/%d" % (NM_PATH, index))
        self.state = DEV_DISCONNECTED
        # The interface traffic goes over once connected.
        self.ip_interface = ip_interface
        self.props[DEVICE] = {
            "Interface": interface, "IpInterface": "", "DeviceType": dbus.UInt32(device_type),
            "State": dbus.UInt32(self.state),
            "ActiveConnection": dbus.ObjectPath("/"), "Metered": dbus.UInt32(metered),
        }

    def change(self, state, reason, **props):
        old = self.state
        self.state = state
        props["State"] = dbus.UInt32(state)
        self.set_props(DEVICE, props)
        self.StateChanged(dbus.UInt32(state), dbus.UInt32(old), dbus.UInt32(reason))

    @dbus.service.signal(DEVICE, signature="uuu")
    def StateChanged(self, new_state, old_state, reason):
        pass


class Active(PropertyObject):
    def __init__(self, bus, index, profile, device):
        super().__init__(bus, "%s/ActiveConnection/%d" % (NM_PATH, index))
        self.profile = profile
        self.props[ACTIVE] = {
            "Id": profile.name, "Uuid": "", "Type": profile.kind,
            "Connection": dbus.ObjectPath(profile.path),
            "Devices": dbus.Array([dbus.ObjectPath(device.path)], signature="o"),
            "State": dbus.UInt32(ACTIVATING), "StateFlags": dbus.UInt32(0),
            "Default": False, "Vpn": False,
        }

    def change(self, state, reason):
        self.set_props(ACTIVE, {"State": dbus.UInt32(state)})
        self.StateChanged(dbus.UInt32(state), dbus.UInt32(reason))

    @dbus.service.signal(ACTIVE, signature="uu")
    def StateChanged(self, state, reason):
        pass


class Settings(PropertyObject):
    def __init__(self, bus, profiles):
        super().__init__(bus, NM_PATH + "/Settings")
        self.profiles = profiles
        self.props[SETTINGS] = {"Connections": self.paths(), "CanModify": True}

    def paths(self):
        return dbus.Array([dbus.ObjectPath(p.path) for p in self.profiles], signature="o")

    @dbus.service.method(SETTINGS, in_signature="", out_signature="ao")
    def ListConnections(self):
        return self.paths()


class Manager(PropertyObject):
    def __init__(self, bus):
        super().__init__(bus, NM_PATH)
        self.bus = bus
        self.modem = Device(bus, 1, "ttyUSB0", 8, "ppp0", METERED_GUESS_YES)
        self.modem.props[MODEM] = {"ModemCapabilities": dbus.UInt32(4),
                                   "CurrentCapabilities": dbus.UInt32(4)}
        self.wifi = Device(bus, 2, "wlan0", 2, "wlan0", METERED_GUESS_NO)
        self.wifi.props[WIRELESS] = {"Bitrate": dbus.UInt32(54000), "Mode": dbus.UInt32(2)}
        self.wwan = Device(bus, 3, "cdc-wdm0", 8, "wwan0", METERED_GUESS_YES)
        self.wwan.props[MODEM] = dict(self.modem.props[MODEM])
        self.device = self.modem
        self.profiles = [
            Profile(bus, 1, "Dial-up Provider", "connect"),
            Profile(bus, 2, "Busy Line", "busy"),
            Profile(bus, 3, "Slow Provider", "slow"),
            Profile(bus, 4, "Home Wi-Fi", "connect", "802-11-wireless", self.wifi),
            Profile(bus, 5, "Mobile Broadband", "connect", "gsm", self.wwan),
        ]
        self.settings = Settings(bus, self.profiles)
        self.active = None
        self.next_active = 1
        self.props[NM] = {
            "Version": "1.42.4", "Startup": False, "State": dbus.UInt32(20),
            "Devices": dbus.Array([dbus.ObjectPath(d.path)
                                   for d in (self.modem, self.wifi, self.wwan)], signature="o"),
            "ActiveConnections": dbus.Array([], signature="o"),
        }

    def publish_active(self):
        paths = [dbus.ObjectPath(self.active.path)] if self.active else []
        self.set_props(NM, {"ActiveConnections": dbus.Array(paths, signature="o")})

    @dbus.service.method(NM, in_signature="ooo", out_signature="o")
    def ActivateConnection(self, connection, device, specific):
        profile = next((p for p in self.profiles if p.path == connection), None)
        if profile is None:
            raise dbus.exceptions.DBusException(
                "Connection '%s' is not available" % connection,
                name=NM + ".Manager.UnknownConnection")
        if self.active is not None:
            self.end_active(REASON_DEVICE_DISCONNECTED, DEV_REASON_USER_REQUESTED)
        self.device = profile.device or self.modem
        self.active = Active(self.bus, self.next_active, profile, self.device)
        self.next_active += 1
        self.publish_active()
        self.device.change(DEV_PREPARE, 0, ActiveConnection=dbus.ObjectPath(self.active.path))
        active = self.active
        if profile.behaviour != "slow":
            GLib.timeout_add(DELAY_MS, self.finish_activation, active)
        return dbus.ObjectPath(active.path)

    def finish_activation(self, active):
        if active is not self.active:
            return False
        if active.profile.behaviour == "connect":
            active.profile.timestamp = int(time.time())
            self.device.change(DEV_ACTIVATED, 0, IpInterface=self.device.ip_interface)
            active.change(ACTIVATED, 0)
        else:
            self.device.change(DEV_FAILED, DEV_REASON_MODEM_BUSY)
            self.end_active(REASON_DEVICE_DISCONNECTED, None)
        return False

    def end_active(self, reason, device_reason):
        active = self.active
        active.change(DEACTIVATING, reason)
        if device_reason is not None:
            self.device.change(DEV_DEACTIVATING, device_reason)
        self.device.change(DEV_DISCONNECTED, device_reason or 0, IpInterface="",
                           ActiveConnection=dbus.ObjectPath("/"))
        active.change(DEACTIVATED, reason)
        self.active = None
        self.publish_active()
        active.remove_from_connection()

    @dbus.service.method(CONTROL, in_signature="u", out_signature="")
    def SetBitrate(self, kbps):
        self.wifi.set_props(WIRELESS, {"Bitrate": dbus.UInt32(kbps)})

    @dbus.service.method(NM, in_signature="o", out_signature="")
    def DeactivateConnection(self, path):
        if self.active is None or self.active.path != path:
            raise dbus.exceptions.DBusException(
                "The connection was not active.", name=NM + ".ConnectionNotActive")
        self.end_active(REASON_USER_DISCONNECTED, DEV_REASON_USER_REQUESTED)


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SystemBus()
    manager = Manager(bus)
    name = dbus.service.BusName(NM, bus)
    loop = GLib.MainLoop()
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, 15, loop.quit)
    sys.stdout.write("ready\n")
    sys.stdout.flush()
    loop.run()
    del name, manager


if __name__ == "__main__":
    main()
