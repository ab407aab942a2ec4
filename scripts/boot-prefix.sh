#!/usr/bin/env bash
# Boots the private Wine prefix (32-bit, or 64-bit where only that runs) of a build tree once: fonts, virtual desktop with a tray.
# Usage: boot-prefix.sh <build-dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" "$1"
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
