#!/usr/bin/env bash
# Runs a real NetworkManager for the tests, sealed off from the host: its own
# network namespace (two veth pairs to a second namespace: a line that costs
# money and a LAN beside it), its own mount and UTS
# namespaces (private /run, /var/lib/NetworkManager, /etc/resolv.conf, read-only
# /sys) and its own bus. Nothing of the host's interfaces, routes or DNS is
# touched.
#
# Usage: nm-harness.sh COMMAND WORKDIR [ARGS]
#   bus WORKDIR [OWNER_PID]  start only a private bus (for the stand-in service)
#   up WORKDIR [OWNER_PID]   namespaces, veth, bus, profiles and the daemon;
#                            prints KEY=VALUE lines. With OWNER_PID everything is
#                            torn down, and WORKDIR removed, as soon as that
#                            process ends, however it ends.
#   nm-start WORKDIR         starts the daemon (again) and waits until it is on the bus
#   nm-stop WORKDIR          stops the daemon, leaving its devices as they are
#   ping WORKDIR COUNT       pings the peer across the veth from the daemon's side
#   metered WORKDIR PROFILE yes|no   sets the profile's connection.metered
#   exec WORKDIR PROGRAM [ARGS]  runs PROGRAM (in place of this script, so with
#                            its pid) in the daemon's network namespace, with
#                            that namespace's /sys and the daemon's bus as the
#                            system bus: where a program on that machine would be
#   down WORKDIR             stops everything and removes the namespaces
#   check                    exits 0 when this machine can run the daemon here
set -uo pipefail

cmd=${1:-}
work=${2:-}

die() {
    echo "nm-harness: $*" >&2
    exit 1
}

load_state() {
    [ -f "$work/state" ] || die "no harness state in $work"
    # shellcheck disable=SC1091
    . "$work/state"
}

write_bus_config() {
    cat >"$work/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
EOF
}

start_bus() {
    write_bus_config
    local out
    out=$(dbus-daemon --config-file="$work/bus.conf" --fork --print-pid=1 --print-address=1) ||
        die "dbus-daemon did not start"
    BUS_ADDRESS=$(echo "$out" | sed -n 1p)
    BUS_PID=$(echo "$out" | sed -n 2p)
    echo "BUS_ADDRESS=$BUS_ADDRESS" >>"$work/state"
    echo "BUS_PID=$BUS_PID" >>"$work/state"
}

# Tears everything down once the owner process has gone (crash, timeout, kill).
start_watchdog() {
    local owner=$1
    local self
    self=$(readlink -f "$0")
    (
        trap '' HUP INT
        while kill -0 "$owner" 2>/dev/null; do sleep 0.5; done
        DM_HARNESS_WATCHDOG=1 "$self" down "$work" >/dev/null 2>&1
        # The owner cannot remove its work folder any more.
        [ -d "$work" ] && umount "$work/sys" 2>/dev/null
        rm -rf --one-file-system "$work"
    ) </dev/null >/dev/null 2>&1 &
    echo "WATCHDOG_PID=$!" >>"$work/state"
}

write_nm_config() {
    mkdir -p "$work/nm/conf.d" "$work/nm/sysconf.d" "$work/nm/lib" "$work/nm/connections" \
        "$work/nm/run"
    cat >"$work/nm/NetworkManager.conf" <<EOF
[main]
plugins=keyfile
auth-polkit=false
dns=none
rc-manager=unmanaged
systemd-resolved=false
hostname-mode=none
no-auto-default=*
firewall-backend=none

[keyfile]
path=$work/nm/connections
unmanaged-devices=except:interface-name:$VETH;except:interface-name:$LAN_VETH

[connectivity]
enabled=false

[logging]
level=DEBUG
EOF
    : >"$work/nm/resolv.conf"
    # Metered profiles for the first veth (a line that costs money), one that
    # is not metered there too, the always-on LAN on the second veth, and one
    # for an interface that does not exist.
    profile "Office LAN" 10.213.0.1 "$VETH" yes
    profile "Lab LAN" 10.213.0.3 "$VETH" yes
    profile "Spare LAN" 10.213.0.4 "$VETH" no
    profile "Home LAN" 10.214.0.1 "$LAN_VETH" no
    profile "Absent cable" 10.213.9.1 "dmabsent0" no
}

profile() {
    local name=$1 address=$2 iface=$3 metered=$4
    local value=2
    [ "$metered" = yes ] && value=1
    local file="$work/nm/connections/${name// /_}.nmconnection"
    cat >"$file" <<EOF
[connection]
id=$name
uuid=$(cat /proc/sys/kernel/random/uuid)
type=ethernet
interface-name=$iface
autoconnect=false
metered=$value

[ethernet]

[ipv4]
method=manual
address1=$address/24,10.213.0.254

[ipv6]
method=disabled
EOF
    chmod 600 "$file"
}

nm_start() {
    load_state
    [ -n "${NM_PID:-}" ] && kill -0 "$NM_PID" 2>/dev/null && return 0
    sed -i '/^NM_PID=/d' "$work/state"
    # ip netns exec gives the daemon the namespace's own /sys; inside a second
    # mount namespace /run, the state folder and resolv.conf are private, and
    # /sys is read-only so the daemon does not wait for udev.
    DBUS_SYSTEM_BUS_ADDRESS=$BUS_ADDRESS setsid ip netns exec "$NS" \
        unshare --uts --mount --propagation private sh -c '
            set -e
            mount -t tmpfs dmrun /run
            mkdir -p /run/NetworkManager
            mount --bind "$0/nm/run" /run/NetworkManager
            mkdir -p /var/lib/NetworkManager 2>/dev/null || true
            mount --bind "$0/nm/lib" /var/lib/NetworkManager
            # A resolv.conf that links into /run points into the empty tmpfs
            # now; the daemon is told to leave DNS alone in any case.
            if [ -f /etc/resolv.conf ] && [ ! -L /etc/resolv.conf ]; then
                mount --bind "$0/nm/resolv.conf" /etc/resolv.conf
            fi
            mount -o remount,bind,ro /sys
            exec NetworkManager --no-daemon --debug \
                --config="$0/nm/NetworkManager.conf" \
                --config-dir="$0/nm/conf.d" \
                --system-config-dir="$0/nm/sysconf.d" \
                --intern-config="$0/nm/lib/intern.conf" \
                --state-file="$0/nm/lib/state" \
                --pid-file="$0/nm/run/nm.pid"' "$work" \
        </dev/null >>"$work/nm.log" 2>&1 &
    NM_PID=$!
    echo "NM_PID=$NM_PID" >>"$work/state"
    local i
    for i in $(seq 1 100); do
        if DBUS_SYSTEM_BUS_ADDRESS=$BUS_ADDRESS dbus-send --system --print-reply \
            --dest=org.freedesktop.NetworkManager /org/freedesktop/NetworkManager \
            org.freedesktop.DBus.Properties.Get string:org.freedesktop.NetworkManager \
            string:Startup 2>/dev/null | grep -q "boolean false"; then
            return 0
        fi
        kill -0 "$NM_PID" 2>/dev/null || die "NetworkManager exited, see $work/nm.log"
        sleep 0.1
    done
    die "NetworkManager did not come up in 10 s, see $work/nm.log"
}

nm_stop() {
    load_state
    if [ -n "${NM_PID:-}" ]; then
        kill -TERM -- "-$NM_PID" 2>/dev/null
        local i
        for i in $(seq 1 50); do
            kill -0 "$NM_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL -- "-$NM_PID" 2>/dev/null
    fi
    sed -i '/^NM_PID=/d' "$work/state"
}

up() {
    local owner=${1:-}
    [ -n "$work" ] || die "no work folder"
    mkdir -p "$work"
    : >"$work/state"
    local tag
    tag=$(printf '%x' "$$")
    NS=dmnm$tag
    PEER_NS=dmpeer$tag
    VETH=dmv$tag
    PEER_VETH=dmp$tag
    LAN_VETH=dml$tag
    PEER_LAN_VETH=dmq$tag
    {
        echo "NS=$NS"
        echo "PEER_NS=$PEER_NS"
        echo "VETH=$VETH"
        echo "PEER_VETH=$PEER_VETH"
        echo "LAN_VETH=$LAN_VETH"
        echo "PEER_LAN_VETH=$PEER_LAN_VETH"
    } >>"$work/state"
    [ -n "$owner" ] && start_watchdog "$owner"
    trap 'down >/dev/null 2>&1' ERR
    set -e
    ip netns add "$NS"
    ip netns add "$PEER_NS"
    ip -n "$NS" link add "$VETH" type veth peer name "$PEER_VETH" netns "$PEER_NS"
    ip -n "$NS" link set lo up
    ip -n "$PEER_NS" link set lo up
    ip -n "$PEER_NS" addr add 10.213.0.2/24 dev "$PEER_VETH"
    ip -n "$PEER_NS" link set "$PEER_VETH" up
    ip -n "$NS" link add "$LAN_VETH" type veth peer name "$PEER_LAN_VETH" netns "$PEER_NS"
    ip -n "$PEER_NS" addr add 10.214.0.2/24 dev "$PEER_LAN_VETH"
    ip -n "$PEER_NS" link set "$PEER_LAN_VETH" up
    # The namespace's own sysfs, where the tests read the kernel's counters.
    mkdir -p "$work/sys"
    nsenter --net="/run/netns/$NS" mount -t sysfs dmsys "$work/sys"
    echo "SYSFS=$work/sys" >>"$work/state"
    write_nm_config
    start_bus
    set +e
    trap - ERR
    nm_start || {
        down >/dev/null 2>&1
        exit 1
    }
    load_state
    echo "BUS_ADDRESS=$BUS_ADDRESS"
    echo "SYSFS=$work/sys"
    echo "VETH=$VETH"
    echo "LAN_VETH=$LAN_VETH"
    echo "PEER_ADDRESS=10.213.0.2"
}

bus_only() {
    local owner=${1:-}
    [ -n "$work" ] || die "no work folder"
    mkdir -p "$work"
    : >"$work/state"
    [ -n "$owner" ] && start_watchdog "$owner"
    start_bus
    echo "BUS_ADDRESS=$BUS_ADDRESS"
}

down() {
    [ -f "$work/state" ] || return 0
    load_state
    nm_stop
    [ -n "${BUS_PID:-}" ] && kill "$BUS_PID" 2>/dev/null
    mountpoint -q "$work/sys" 2>/dev/null && umount "$work/sys"
    [ -n "${NS:-}" ] && ip netns del "$NS" 2>/dev/null
    [ -n "${PEER_NS:-}" ] && ip netns del "$PEER_NS" 2>/dev/null
    local watchdog=${WATCHDOG_PID:-}
    rm -f "$work/state"
    [ -n "$watchdog" ] && [ -z "${DM_HARNESS_WATCHDOG:-}" ] && kill "$watchdog" 2>/dev/null
    return 0
}

check() {
    [ "$(id -u)" -eq 0 ] || die "not running as root"
    for tool in ip unshare nsenter dbus-daemon dbus-send NetworkManager nmcli ping; do
        command -v "$tool" >/dev/null || die "$tool is not installed"
    done
    local probe=dmprobe$$
    ip netns add "$probe" 2>/dev/null || die "network namespaces are not allowed here"
    if ! ip -n "$probe" link add dmprobe0 type veth peer name dmprobe1 2>/dev/null; then
        ip netns del "$probe"
        die "veth devices cannot be created here"
    fi
    ip netns del "$probe"
    unshare --mount --uts true 2>/dev/null || die "mount namespaces are not allowed here"
}

case "$cmd" in
check) check ;;
bus) bus_only "${3:-}" ;;
up) up "${3:-}" ;;
nm-start) nm_start ;;
nm-stop) nm_stop ;;
ping)
    load_state
    ip netns exec "$NS" ping -q -n -c "${3:-3}" -i 0.05 -W 1 10.213.0.2 >/dev/null
    ;;
metered)
    load_state
    DBUS_SYSTEM_BUS_ADDRESS=$BUS_ADDRESS nmcli --wait 10 connection modify "${3:?profile}" \
        connection.metered "${4:?yes or no}"
    ;;
exec)
    load_state
    shift 2
    # ip netns exec mounts the namespace's own /sys and execs without a fork.
    exec ip netns exec "$NS" env DBUS_SYSTEM_BUS_ADDRESS="$BUS_ADDRESS" "$@"
    ;;
down) down ;;
*) die "unknown command '$cmd'" ;;
esac
