#!/usr/bin/env bash
# Packs the release: the program folder with a stripped exe and README.txt, as
# <out>/<name>.zip (one folder <name> inside) and <out>/<name>.zip.sha256, the same bytes on
# every build of one commit.
# Usage: make-release.sh <dist-dir> <out-dir> <name> <README.txt> <strip> <yyyy-mm-dd>
set -euo pipefail
dist=${1:?}; out=${2:?}; name=${3:?}; readme=${4:?}; strip=${5:?}; day=${6:?}
here=$(cd "$(dirname "$0")" && pwd)
# Every date in the release is the commit's, so that two builds of one commit give the same
# bytes; outside a git checkout, the release day.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$here/.." log -1 --format=%ct 2>/dev/null || date -u -d "$day" +%s)}
export SOURCE_DATE_EPOCH
stage="$out/release"
rm -rf "$stage"
mkdir -p "$stage/$name"
# What the program writes at run time (Baze\) never ships, should an old dist/ still hold it.
for f in "$dist"/*; do
    [ "$(basename "$f")" = Baze ] && continue
    cp -a "$f" "$stage/$name/"
done
"$strip" --strip-all "$stage/$name/quillmere.exe"   # its PE time stamp: SOURCE_DATE_EPOCH
python3 "$here/chm-stamp.py" "$SOURCE_DATE_EPOCH" "$stage/$name"/*.chm
cp "$readme" "$stage/$name/README.txt"
rm -f "$out/$name.zip"
# Files in a fixed order, dated the commit's time.
(cd "$stage" && find "$name" -type f | LC_ALL=C sort > files.txt &&
    python3 "$here/pack-zip.py" "$out/$name.zip" . "$SOURCE_DATE_EPOCH" files.txt && rm files.txt)
(cd "$out" && sha256sum "$name.zip" > "$name.zip.sha256")
