#!/usr/bin/env bash
# Packs this build with CPack and checks the Debian package as a user meets
# it: `apt install ./dialometer_*.deb` into a fresh Debian 12 root, both
# programs run from their installed paths, the installed desktop files are
# valid, and `apt remove` leaves nothing behind.
# Usage: test-install.sh BUILD_DIR SOURCE_DIR VERSION
# DIALOMETER_PACKAGE=FILE.deb checks that package instead of packing one.
# The fresh root (mmdebstrap, kept for a day in BUILD_DIR/package-test) needs
# root, mount namespaces and Debian's mirror; without them that part is
# skipped with the reason (exit 77) after the package itself was checked.
set -euo pipefail
build=$(cd "$1" && pwd) src=$2 version=$3
work=$build/package-test
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
skip() { echo "SKIP: $*"; exit 77; }
finish() { ((failures == 0)) || exit 1; }

# --- The package --------------------------------------------------------------
mkdir -p "$work"
if [[ -n ${DIALOMETER_PACKAGE-} ]]; then
    # A package made elsewhere, e.g. by scripts/package.sh.
    deb=$(realpath "$DIALOMETER_PACKAGE")
else
    rm -rf "$work/cpack"
    started=$SECONDS
    if ! (cd "$build" && cpack -G DEB -B "$work/cpack") >"$work/cpack.log" 2>&1; then
        cat "$work/cpack.log"
        echo "FAIL: cpack"
        exit 1
    fi
    deb=$(ls "$work"/cpack/dialometer_*.deb)
    echo "packed in $((SECONDS - started)) s"
fi
echo "package $(basename "$deb"): $(($(stat -c %s "$deb") / 1024)) KiB"
[[ $(basename "$deb") == "dialometer_${version}_$(dpkg --print-architecture).deb" ]] ||
    fail "unexpected file name $(basename "$deb")"

files=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|')
for f in /usr/bin/dialometer /usr/bin/dialometer-cli \
    /usr/share/applications/dialometer.desktop \
    /usr/share/metainfo/io.github.dialometer.Dialometer.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/dialometer.svg \
    /usr/share/icons/hicolor/48x48/apps/dialometer.png \
    /usr/share/icons/hicolor/256x256/apps/dialometer.png \
    /usr/share/man/man1/dialometer.1.gz /usr/share/man/man1/dialometer-cli.1.gz \
    /usr/share/bash-completion/completions/dialometer-cli \
    /usr/share/doc/dialometer/copyright; do
    grep -qxF "$f" <<<"$files" || fail "the package lacks $f"
done
outside=$(grep -v '^/usr/' <<<"$files" | grep -vx '/' || true)
[[ -z $outside ]] || fail "files outside /usr: $outside"
owners=$(dpkg-deb -c "$deb" | awk '{ print $2 }' | sort -u)
[[ $owners == root/root ]] || fail "files not owned by root: $owners"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6core6 libqt6widgets6 libqt6charts6 libqt6svg6 libqt6dbus6 libpugixml1v5; do
    grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $recommends == "network-manager | ppp, qt6-translations-l10n" ]] || fail "Recommends: $recommends"

# --- A fresh Debian 12 root ---------------------------------------------------
finish_or_skip() { finish; skip "$*"; }
[[ $(id -u) -eq 0 ]] || finish_or_skip "installing into a fresh root needs root"
command -v mmdebstrap >/dev/null || finish_or_skip "mmdebstrap is missing (scripts/install-deps.sh)"
unshare --mount true 2>/dev/null || finish_or_skip "mount namespaces are not allowed here"

base=$work/debian12-base.tar
if [[ ! -s $base || -n $(find "$base" -mmin +1440) ]]; then
    rm -f "$base"
    started=$SECONDS
    # The machine's own Debian 12 sources, so that its mirror is used (none:
    # mmdebstrap's default mirror).
    sources=()
    for s in /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list; do
        [[ -s $s ]] && grep -qw bookworm "$s" && sources+=("$s")
    done
    if ! mmdebstrap --variant=apt --mode=root --skip=cleanup/apt/lists \
        bookworm "$base" "${sources[@]}" >"$work/mmdebstrap.log" 2>&1; then
        tail -n 20 "$work/mmdebstrap.log"
        rm -f "$base"
        finish_or_skip "a fresh Debian 12 root could not be made (no mirror?)"
    fi
    echo "fresh root made in $((SECONDS - started)) s"
fi

root=$work/root
rm -rf --one-file-system "$root"
mkdir -p "$root"
tar -xf "$base" -C "$root"
cp "$deb" "$root/tmp/"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# Everything in the root runs in a mount namespace of its own, so its mounts
# go with it.
in_root()
{
    unshare --mount --fork -- bash -c '
        root=$1; shift
        mount -t proc proc "$root/proc"
        mount --rbind /dev "$root/dev"
        mount -t tmpfs tmpfs "$root/run"
        exec chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
            HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"' _ "$root" "$@"
}

package=/tmp/$(basename "$deb")
# Every dependency resolves, the recommended ones too.
in_root apt-get install -s "$package" >"$work/simulate.log" 2>&1 ||
    { cat "$work/simulate.log"; fail "the dependencies do not resolve"; finish; }
grep -Eq '^Inst (network-manager|ppp) ' "$work/simulate.log" ||
    fail "apt does not bring in network-manager or ppp"

started=$SECONDS
# As a user would, less the recommended daemons and the disk syncs.
if ! in_root apt install -y --no-install-recommends -o Dpkg::Options::=--force-unsafe-io \
    "$package" >"$work/install.log" 2>&1; then
    tail -n 30 "$work/install.log"
    grep -q '^E: Failed to fetch' "$work/install.log" && finish_or_skip "Debian's mirror did not answer"
    fail "apt install"
    finish
fi
echo "installed in $((SECONDS - started)) s"

out=$(in_root /usr/bin/dialometer --version 2>&1) || fail "dialometer --version: $out"
[[ $out == "Dialometer ${version%.*}"* ]] || fail "dialometer --version says: $out"
out=$(in_root /usr/bin/dialometer-cli --help 2>&1) || fail "dialometer-cli --help: $out"
grep -q '^Usage: dialometer-cli' <<<"$out" || fail "dialometer-cli --help says: $out"
out=$(in_root /usr/bin/dialometer-cli --version 2>&1)
[[ $out == "dialometer-cli $version" ]] || fail "dialometer-cli --version says: $out"

# The window program starts on the installed libraries and plugins, runs its
# demo and ends in order on SIGTERM, writing the month's file.
mkdir -p "$root/tmp/home"
out=$(in_root /usr/bin/env QT_QPA_PLATFORM=offscreen DIALOMETER_HOME=/tmp/home \
    timeout -s TERM 4 /usr/bin/dialometer --demo 2>&1) && rc=0 || rc=$?
[[ $rc -eq 0 || $rc -eq 124 ]] || fail "dialometer --demo ended with $rc: $out"
compgen -G "$root/tmp/home/Logs/*.sn2" >/dev/null || fail "dialometer --demo wrote no month file"

# The installed desktop files, and the man pages as man reads them.
"$(dirname "$0")/check-metadata.sh" "$src" "$version" "$root" || fail "installed desktop files"
for page in dialometer dialometer-cli; do
    gzip -t "$root/usr/share/man/man1/$page.1.gz" || fail "$page.1.gz is damaged"
done

# apt remove takes away every file the package brought.
installed=$(in_root dpkg -L dialometer)
in_root apt remove -y dialometer >"$work/remove.log" 2>&1 || { cat "$work/remove.log"; fail "apt remove"; }
left=()
while IFS= read -r f; do
    [[ -e $root$f && ! -d $root$f ]] && left+=("$f")
done <<<"$installed"
((${#left[@]} == 0)) || fail "left after apt remove: ${left[*]}"
[[ ! -e $root/usr/share/doc/dialometer ]] || fail "left after apt remove: /usr/share/doc/dialometer"
status=$(in_root dpkg-query -W -f='${db:Status-Abbrev}' dialometer 2>/dev/null || true)
[[ -z $status || $status == un* ]] || fail "dpkg still knows the package: $status"

rm -rf --one-file-system "$root"
finish
echo "installed, ran and removed $(basename "$deb")"
