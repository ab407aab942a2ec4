#!/usr/bin/env bash
# Runs every test: installs what is missing, builds, then runs the unit, integration and
# end-to-end tests under Wine in a throwaway copy of the private prefix (under Xvfb when there
# is no display), and the native sanitizer and fuzzing checks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$build"
"$root/scripts/boot-prefix.sh" "$build"
source "$root/scripts/wine-env.sh" "$build" 2>/dev/null
# A throwaway prefix: the tests start services and import registry files.
export WINEPREFIX="$build/testprefix"
rm -rf "$WINEPREFIX"
cp -a "$build/wineprefix" "$WINEPREFIX"
source "$root/scripts/with-display.sh"
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "$qlmr_xvfb_pid" ] && kill "$qlmr_xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
# One warm wineserver for the run; its helpers must not hold ctest's output pipe.
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
status=0
(cd "$build" && ctest --output-on-failure "$@") || status=1
wineserver -k 2>/dev/null || true
if [ -x "$root/scripts/native-checks.sh" ]; then
    "$root/scripts/native-checks.sh" "$root/build-native" || status=1
fi
exit $status
