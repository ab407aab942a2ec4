#!/usr/bin/env bash
# Boots a private Wine prefix of a build tree once: fonts, virtual desktop with a tray.
# Usage: boot-prefix.sh <build-dir> [win32|win64]   (default: the build's own kind; win64 for a
# 32-bit build: <build-dir>/wineprefix64, 64-bit Windows with WoW64)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" "$1" ${2:+"$2"}
[ -f "$WINEPREFIX/.qlmr-ready" ] && exit 0
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
wine wineboot -i </dev/null >/dev/null 2>&1
wineserver -w
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
cat > "$WINEPREFIX/desktop.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"
REG
wine regedit "$WINEPREFIX/desktop.reg" </dev/null >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.qlmr-ready"
