#!/usr/bin/env bash
# Takes the documentation's pictures of the real program into docs/ (build first): every page at
# 96 DPI on a 1024x768 screen, the services and backups pages at 144 DPI on a 1920x1080 one, and
# the services and configurations pages and the about window under a high-contrast scheme.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/target.sh"   # the 64-bit build where the machine runs no 32-bit programs
build="$root/$qlmr_build_name"
source "$root/scripts/wine-env.sh" "$build" 2>/dev/null
export WINEPREFIX="$build/shotprefix"
export WINEDEBUG=-all
xvfb=
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

# Starts a private Xvfb of the given size.
start_display() {
    local n=160
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 "${1}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
}

# A black high-contrast scheme, as the system's own "High Contrast Black" sets it.
high_contrast='[HKEY_CURRENT_USER\Control Panel\Colors]
"Window"="0 0 0"
"WindowText"="255 255 255"
"ButtonFace"="0 0 0"
"ButtonText"="255 255 255"
"Background"="0 0 0"
"Menu"="0 0 0"
"MenuText"="255 255 255"
"Highlight"="26 235 255"
"HighlightText"="0 0 0"
"HotTrackingColor"="255 255 0"
"GrayText"="63 242 63"
"InfoWindow"="0 0 0"
"InfoText"="255 255 255"
"ActiveTitle"="0 0 128"
"TitleText"="255 255 255"'

# One pass: dpi, screen size, file name suffix, the pictures wanted (all when empty), and
# registry lines of a colour scheme (none: the system's default).
take() {
    local dpi=$1 size=$2 suffix=$3 only=$4 scheme=${5:-}
    rm -rf "$WINEPREFIX"; cp -a "$build/wineprefix" "$WINEPREFIX"
    start_display "$size"
    local hex; hex=$(printf '%08x' "$dpi")
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Control Panel\Desktop]' "\"LogPixels\"=dword:$hex" '' \
        '[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts]' \
        "\"LogPixels\"=dword:$hex" '' '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' \
        "\"Default\"=\"$size\"" '' "$scheme" > "$WINEPREFIX/shots.reg"
    wine regedit "$WINEPREFIX/shots.reg" </dev/null >/dev/null 2>&1
    wineserver -w
    local shots; shots=$(mktemp -d)
    (cd "$build" && QLMR_SCREENSHOT_DIR="$shots" QLMR_SCREENSHOT_ONLY="$only" LC_ALL=ru_RU.UTF-8 \
        wine tests/e2e_tests.exe "$build/dist" -tc="documentation pictures" </dev/null >/dev/null 2>&1) &
    local driver=$!
    while kill -0 $driver 2>/dev/null; do
        for ready in "$shots"/ready-*; do
            [ -e "$ready" ] || continue
            local name=${ready##*/ready-}
            import -window root "$root/docs/$name$suffix.png"
            rm -f "$ready"; touch "$shots/done-$name"
            echo "docs/$name$suffix.png"
        done
        sleep 0.2
    done
    cleanup
    wineserver -w || true
    xvfb=
    rm -rf "$shots" "$WINEPREFIX"
}

# "high-contrast" as the argument takes that pass alone.
if [ "${1:-}" != high-contrast ]; then
    take 96 1024x768 "" ""
    take 144 1920x1080 "-144dpi" "services-page backups-page"
fi
take 96 1024x768 "-high-contrast" "services-page configurations-page about-window" "$high_contrast"
