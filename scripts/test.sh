#!/usr/bin/env bash
# Runs every test: installs what is missing, builds, then runs the unit, integration and
# end-to-end tests under Wine in throwaway copies of the private 32-bit and 64-bit prefixes
# (under Xvfb when there is no display), and the native sanitizer and fuzzing checks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$build"
"$root/scripts/boot-prefix.sh" "$build" win32
"$root/scripts/boot-prefix.sh" "$build" win64
source "$root/scripts/wine-env.sh" "$build" 2>/dev/null
# Throwaway prefixes, 32-bit Windows and 64-bit Windows (the *_win64 entries): the tests start
# services and import registry files.
export WINEPREFIX="$build/testprefix"
prefix64="$build/testprefix64"
rm -rf "$WINEPREFIX" "$prefix64"
cp -a "$build/wineprefix" "$WINEPREFIX"
cp -a "$build/wineprefix64" "$prefix64"
source "$root/scripts/with-display.sh"
stop_servers() {
    wineserver -k 2>/dev/null || true
    WINEPREFIX="$prefix64" WINEARCH=win64 wineserver -k 2>/dev/null || true
}
cleanup() {
    stop_servers
    [ -n "$qlmr_xvfb_pid" ] && kill "$qlmr_xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
# One warm wineserver a prefix for the run; its helpers must not hold ctest's output pipe.
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
WINEPREFIX="$prefix64" WINEARCH=win64 wineserver -p
WINEPREFIX="$prefix64" WINEARCH=win64 wine cmd /c exit </dev/null >/dev/null 2>&1
status=0
(cd "$build" && ctest --output-on-failure "$@") || status=1
stop_servers
if [ -x "$root/scripts/native-checks.sh" ]; then
    "$root/scripts/native-checks.sh" "$root/build-native" || status=1
fi
exit $status
