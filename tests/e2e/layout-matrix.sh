#!/usr/bin/env bash
# Runs the end-to-end layout check (test_e2e_layout.cpp) over 96, 120 and 144 DPI and screens of
# 800x600, 1024x768 and 1920x1080: one copy of the booted prefix per DPI, one Xvfb per screen size.
# Usage: layout-matrix.sh <build-dir>
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:-$root/build}")
source "$root/scripts/wine-env.sh" "$build" 2>/dev/null
export WINEDEBUG=-all
# QLMR_LAYOUT_DPIS and QLMR_LAYOUT_SIZES narrow the matrix for a quick look.
sizes=${QLMR_LAYOUT_SIZES:-800x600 1024x768 1920x1080}
dpis=${QLMR_LAYOUT_DPIS:-96 120 144}

declare -A display
xvfbs=()
prefix=
cleanup() {
    [ -n "$prefix" ] && { WINEPREFIX="$prefix" wineserver -k 2>/dev/null; rm -rf "$prefix"; }
    for pid in "${xvfbs[@]}"; do kill "$pid" 2>/dev/null; done
}
trap cleanup EXIT

n=140
for size in $sizes; do
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfbs+=($!)
    display[$size]=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    n=$((n + 1))
done

# Sets the DPI or the virtual desktop's size, then waits for the wineserver to write it out.
import_reg() {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n%s\r\n' "$1" > "$prefix/layout.reg"
    wine regedit "$prefix/layout.reg" </dev/null >/dev/null 2>&1
    wineserver -w
}

status=0
for dpi in $dpis; do
    prefix="$build/layoutprefix-$dpi"
    export WINEPREFIX="$prefix"
    rm -rf "$prefix"
    cp -a "$build/wineprefix" "$prefix"
    hex=$(printf '%08x' "$dpi")
    import_reg "[HKEY_CURRENT_USER\\Control Panel\\Desktop]
\"LogPixels\"=dword:$hex

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]
\"LogPixels\"=dword:$hex"
    for size in $sizes; do
        export DISPLAY=${display[$size]}
        import_reg "[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
\"Default\"=\"$size\""
        echo "layout: $dpi DPI, $size"
        QLMR_LAYOUT="$dpi DPI, $size" LC_ALL=ru_RU.UTF-8 wine "$build/tests/e2e_tests.exe" "$build/dist" \
            -tc="layout*" </dev/null || status=1
        wineserver -k 2>/dev/null
        wineserver -w
    done
    rm -rf "$prefix"
done
prefix=
exit $status
