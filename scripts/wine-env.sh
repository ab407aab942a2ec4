# Sourced by the run and test scripts: the private Wine prefix of a build tree.
# Usage: source scripts/wine-env.sh <build-dir> [win32|win64]
# The prefix of the build's own kind is <build-dir>/wineprefix. A 32-bit build also has a 64-bit
# prefix, <build-dir>/wineprefix64: 64-bit Windows as most users have it, where the 32-bit
# program runs under WoW64.
qlmr_build=$(realpath -m "${1:?build dir}")
source "$(dirname "${BASH_SOURCE[0]}")/target.sh"
export WINEARCH=${2:-$qlmr_target}
case "$WINEARCH" in
    "$qlmr_target") export WINEPREFIX="$qlmr_build/wineprefix" ;;
    win64) export WINEPREFIX="$qlmr_build/wineprefix64" ;;
    *) echo "wine-env.sh: no $WINEARCH prefix for a $qlmr_target build" >&2; return 1 ;;
esac
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ "$qlmr_target" = win64 ]; then
    # Debian's wine command starts the 32-bit loader whenever it is installed, and that one
    # cannot run here: "wine" is the 64-bit loader for everything started from these scripts.
    mkdir -p "$qlmr_build/wine64-bin"
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' > "$qlmr_build/wine64-bin/wine"
    chmod +x "$qlmr_build/wine64-bin/wine"
    case ":$PATH:" in *":$qlmr_build/wine64-bin:"*) ;; *) export PATH="$qlmr_build/wine64-bin:$PATH" ;; esac
fi
{ export LC_ALL=ru_RU.UTF-8; } 2>/dev/null
