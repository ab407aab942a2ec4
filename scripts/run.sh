#!/usr/bin/env bash
# Runs the program in its private Wine prefix, building what is missing. Without a display it
# runs under Xvfb and writes a screenshot of the desktop to build/screenshot.png.
# It runs from its own copy of the program folder, build/run/: what it writes there (snapshots,
# backups, logs of this Wine prefix) must never reach dist/, the folder the release is made of.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
source "$root/scripts/target.sh"   # the 64-bit build where the machine runs no 32-bit programs
build="$root/$qlmr_build_name"
QLMR_TOOLCHAIN="$qlmr_toolchain" "$root/scripts/build.sh" "$build"
"$root/scripts/boot-prefix.sh" "$build"
source "$root/scripts/wine-env.sh" "$build" 2>/dev/null
headless=0
[ -z "${DISPLAY:-}" ] && headless=1
source "$root/scripts/with-display.sh"
mkdir -p "$build/run"
cp -a "$build/dist/." "$build/run/"
cd "$build/run"
if [ $headless = 1 ]; then
    wine quillmere.exe </dev/null >/dev/null 2>&1 &
    sleep "${QLMR_SHOT_DELAY:-8}"
    import -window root "$build/screenshot.png"
    echo "Screenshot: $build/screenshot.png"
    wineserver -k || true
    kill "$qlmr_xvfb_pid" 2>/dev/null || true
else
    exec wine quillmere.exe
fi
