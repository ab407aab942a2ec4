#!/usr/bin/env bash
# Assembles the portable program folder: data files, pictures and compiled help beside the exe.
# Usage: assemble-dist.sh <source-dir> <dist-dir> <images-dir>
set -euo pipefail
src=${1:?}; dist=${2:?}; images=${3:?}
mkdir -p "$dist"
for f in "$src"/data/*; do
    name=$(basename "$f")
    [ "$name" = help ] && continue
    cp -a "$f" "$dist/"
done
cp "$images/top.jpg" "$dist/top.jpg"
cp "$images/about.jpg" "$dist/about.jpg"
build_chm() {   # <folder> <project>
    local tmp
    tmp=$(mktemp -d)
    cp -a "$1"/. "$tmp/"
    (cd "$tmp" && chmcmd "$2" >/dev/null)
    cp "$tmp"/*.chm "$dist/"
    rm -rf "$tmp"
}
[ -f "$src/data/help/services/services.hhp" ] && build_chm "$src/data/help/services" services.hhp
[ -f "$src/data/help/about/about.hhp" ] && build_chm "$src/data/help/about" about.hhp
exit 0
