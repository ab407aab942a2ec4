# Sourced by the run and test scripts: the private Wine prefix of a build tree.
# Usage: source scripts/wine-env.sh <build-dir>
qlmr_build=$(realpath -m "${1:?build dir}")
export WINEPREFIX="$qlmr_build/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
{ export LC_ALL=ru_RU.UTF-8; } 2>/dev/null
