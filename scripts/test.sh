#!/usr/bin/env bash
# Runs every test: installs what is missing, builds, then runs the unit, integration and
# end-to-end tests under Wine in throwaway copies of the private prefixes (under Xvfb when there
# is no display), and the native sanitizer and fuzzing checks. The 32-bit build's integration
# and end-to-end groups run twice: on 32-bit Windows and on 64-bit Windows (WoW64, the *_win64
# entries), each in its own prefix.
# Where the machine runs no 32-bit programs, the Wine tests run the 64-bit build in a 64-bit
# prefix (scripts/target.sh), and the checks of the shipped 32-bit exe that need no Wine run on
# the 32-bit build beside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
source "$root/scripts/target.sh"
build="$root/$qlmr_build_name"
status=0
if [ "$qlmr_target" = win64 ]; then
    echo "test.sh: this machine runs no 32-bit programs; the Wine tests run the 64-bit build" >&2
    "$root/scripts/build.sh" "$root/build"
    (cd "$root/build" && ctest --output-on-failure -R '^(xp_compat|shipped_data|vital_rule|release_reproducible)$') ||
        status=1
fi
QLMR_TOOLCHAIN="$qlmr_toolchain" "$root/scripts/build.sh" "$build"
"$root/scripts/boot-prefix.sh" "$build"
wow64=
[ "$qlmr_target" = win32 ] && wow64=1 && "$root/scripts/boot-prefix.sh" "$build" win64
source "$root/scripts/wine-env.sh" "$build" 2>/dev/null
# Throwaway prefixes: the tests start services and import registry files.
export WINEPREFIX="$build/testprefix"
prefix64="$build/testprefix64"
rm -rf "$WINEPREFIX" "$prefix64"
cp -a "$build/wineprefix" "$WINEPREFIX"
[ -n "$wow64" ] && cp -a "$build/wineprefix64" "$prefix64"
source "$root/scripts/with-display.sh"
stop_servers() {
    wineserver -k 2>/dev/null || true
    [ -z "$wow64" ] || WINEPREFIX="$prefix64" WINEARCH=win64 wineserver -k 2>/dev/null || true
}
cleanup() {
    stop_servers
    [ -n "$qlmr_xvfb_pid" ] && kill "$qlmr_xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
# One warm wineserver a prefix for the run; its helpers must not hold ctest's output pipe.
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
if [ -n "$wow64" ]; then
    WINEPREFIX="$prefix64" WINEARCH=win64 wineserver -p
    WINEPREFIX="$prefix64" WINEARCH=win64 wine cmd /c exit </dev/null >/dev/null 2>&1
fi
skip=()
# The 64-bit build's exe is not the one for Windows XP nor the one released; the 32-bit one was
# checked above.
[ "$qlmr_target" = win64 ] && skip=(-E '^(xp_compat|release_reproducible)$')
(cd "$build" && ctest --output-on-failure "${skip[@]}" "$@") || status=1
stop_servers
if [ -x "$root/scripts/native-checks.sh" ]; then
    "$root/scripts/native-checks.sh" "$root/build-native" || status=1
fi
exit $status
