#!/usr/bin/env bash
# Runs the list-colour check (test_e2e_contrast.cpp) in a copy of the prefix with a black
# high-contrast scheme, as a user who chose it has: the list must take the system's colours.
# Usage: high-contrast.sh <build-dir>
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:-$root/build}")
source "$root/scripts/wine-env.sh" "$build" 2>/dev/null
export WINEPREFIX="$build/contrastprefix"
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
rm -rf "$WINEPREFIX"
cp -a "$build/wineprefix" "$WINEPREFIX"
printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' '[HKEY_CURRENT_USER\Control Panel\Colors]' \
    '"Window"="0 0 0"' '"WindowText"="255 255 255"' '"ButtonFace"="0 0 0"' '"ButtonText"="255 255 255"' \
    '"HotTrackingColor"="255 255 0"' > "$WINEPREFIX/scheme.reg"
wine regedit "$WINEPREFIX/scheme.reg" </dev/null >/dev/null 2>&1
wineserver -k 2>/dev/null; wineserver -w
QLMR_SCHEME=high-contrast wine "$build/tests/e2e_tests.exe" "$build/dist" -tc="the service list*" </dev/null
