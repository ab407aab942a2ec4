#!/usr/bin/env bash
# Packs the release: the program folder with a stripped exe and README.txt, as
# <out>/<name>.zip (one folder <name> inside) and <out>/<name>.zip.sha256.
# Usage: make-release.sh <dist-dir> <out-dir> <name> <README.txt> <strip> <yyyy-mm-dd>
set -euo pipefail
dist=${1:?}; out=${2:?}; name=${3:?}; readme=${4:?}; strip=${5:?}; day=${6:?}
stage="$out/release"
rm -rf "$stage"
mkdir -p "$stage/$name"
# What the program writes at run time (Baze\) never ships, should an old dist/ still hold it.
for f in "$dist"/*; do
    [ "$(basename "$f")" = Baze ] && continue
    cp -a "$f" "$stage/$name/"
done
"$strip" --strip-all "$stage/$name/quillmere.exe"
cp "$readme" "$stage/$name/README.txt"
rm -f "$out/$name.zip"
# Files in a fixed order, dated the release day.
(cd "$stage" && find "$name" -type f | LC_ALL=C sort > files.txt &&
    cmake -E tar cf "$out/$name.zip" --format=zip --mtime="$day 00:00:00" --files-from=files.txt && rm files.txt)
(cd "$out" && sha256sum "$name.zip" > "$name.zip.sha256")
