#!/usr/bin/env bash
# Takes the documentation's pictures of the real program into docs/ (build first).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
source "$root/scripts/wine-env.sh" "$build" 2>/dev/null
export WINEPREFIX="$build/shotprefix"
rm -rf "$WINEPREFIX"; cp -a "$build/wineprefix" "$WINEPREFIX"
source "$root/scripts/with-display.sh"
shots=$(mktemp -d)
export QLMR_SCREENSHOT_DIR="$shots"
(cd "$build" && wine tests/e2e_tests.exe "$build/dist" -tc="documentation pictures" >/dev/null 2>&1) &
driver=$!
while kill -0 $driver 2>/dev/null; do
    for ready in "$shots"/ready-*; do
        [ -e "$ready" ] || continue
        name=${ready##*/ready-}
        import -window root "$root/docs/$name.png"
        rm -f "$ready"; touch "$shots/done-$name"
        echo "docs/$name.png"
    done
    sleep 0.2
done
wineserver -k || true
[ -n "$qlmr_xvfb_pid" ] && kill "$qlmr_xvfb_pid" 2>/dev/null || true
rm -rf "$shots"
