# Sourced by the run and test scripts: the private Wine prefix of a build tree.
# Usage: source scripts/wine-env.sh <build-dir> [win32|win64]
# A win64 prefix is 64-bit Windows as most users have it: the 32-bit program runs under WoW64.
qlmr_build=$(realpath -m "${1:?build dir}")
export WINEARCH=${2:-win32}
case "$WINEARCH" in
    win32) export WINEPREFIX="$qlmr_build/wineprefix" ;;
    win64) export WINEPREFIX="$qlmr_build/wineprefix64" ;;
    *) echo "wine-env.sh: unknown architecture $WINEARCH" >&2; return 1 ;;
esac
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
{ export LC_ALL=ru_RU.UTF-8; } 2>/dev/null
