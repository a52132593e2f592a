#!/usr/bin/env bash
# The desktop entry and the AppStream metadata pass their validators and agree
# with each other, with the icon and screenshot on file and with the version.
# Usage: check-metadata.sh SOURCE_DIR VERSION [ROOT]
# With ROOT, the installed copies under ROOT/usr/share are checked instead.
set -uo pipefail
src=$1 version=$2 root=${3:-}
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null ||
        { echo "SKIP: $tool is missing (scripts/install-deps.sh installs it)"; exit 77; }
done
if [[ -n $root ]]; then
    desktop=$root/usr/share/applications/dialometer.desktop
    metainfo=$root/usr/share/metainfo/io.github.dialometer.Dialometer.metainfo.xml
    icon=$root/usr/share/icons/hicolor/scalable/apps
else
    desktop=$src/data/dialometer.desktop
    metainfo=$src/data/io.github.dialometer.Dialometer.metainfo.xml
    icon=$src/data
fi
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# desktop-file-validate prints errors, warnings and hints alike: none is allowed.
report=$(desktop-file-validate "$desktop" 2>&1) && [[ -z $report ]] || fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"

desktop_id=$(basename "$desktop")
grep -q "<launchable type=\"desktop-id\">$desktop_id</launchable>" "$metainfo" ||
    fail "the metadata does not launch $desktop_id"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[[ -f $icon/$icon_name.svg ]] || fail "no icon $icon_name.svg"
release=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[[ $release == "$version" ]] || fail "the newest release in the metadata is $release, the build $version"

# Each screenshot URL points into this repository at a PNG the tests took.
while read -r url; do
    shot=$src/${url#*/main/}
    [[ -f $shot && $(head -c 4 "$shot" | od -An -tx1 | tr -d ' \n') == 89504e47 ]] ||
        fail "the screenshot $url is not a PNG on file ($shot)"
done < <(grep -o '<image[^>]*>[^<]*' "$metainfo" | sed 's/.*>//')

((failures == 0)) || exit 1
echo "desktop entry and metadata valid"
