#!/usr/bin/env bash
# Assembles the portable program folder: data files, pictures and the generated files
# (list files, Configz\, compiled help) beside the exe.
# Usage: assemble-dist.sh <source-dir> <dist-dir> <images-dir> <generated-dir>
set -euo pipefail
src=${1:?}; dist=${2:?}; images=${3:?}; generated=${4:?}
mkdir -p "$dist"
for f in "$src"/data/*; do
    name=$(basename "$f")
    # Page sources and tables: the build makes the shipped files from them.
    [ "$name" = help ] && continue
    [ "${name%.tsv}" != "$name" ] && continue
    cp -a "$f" "$dist/"
done
cp "$images/top.jpg" "$dist/top.jpg"
cp "$images/about.jpg" "$dist/about.jpg"
cp -a "$generated"/. "$dist/"
exit 0
