#!/usr/bin/env bash
# Builds the release a second time from the same sources in another folder and compares the
# archives' SHA-256 sums: a user who builds the commit must get the archive we ship. Also
# fails when the shipped exe names a build or source folder.
# Usage: rebuild-compare.sh <source-dir> <build-dir> <release-zip>
set -euo pipefail
src=$(realpath "${1:?}"); build=$(realpath "${2:?}"); zip=$(realpath "${3:?}")
elsewhere="$build/reproduce/another place"
rm -rf "$build/reproduce"
mkdir -p "$elsewhere/source"
# The files of the commit as they stand in the work tree, without any build tree.
(cd "$src" && git ls-files -z --cached --others --exclude-standard | grep -zv '^build' |
    xargs -0 cp --parents -t "$elsewhere/source")
# The copy is no git checkout: it gets the commit's time as a builder of a source archive would.
SOURCE_DATE_EPOCH=$(git -C "$src" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
cmake -S "$elsewhere/source" -B "$elsewhere/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$elsewhere/source/cmake/mingw32.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
ninja -C "$elsewhere/build" qlmr_release >"$build/reproduce/build.log" 2>&1 || { tail -40 "$build/reproduce/build.log"; exit 1; }
second="$elsewhere/build/$(basename "$zip")"
first_sum=$(sha256sum <"$zip" | cut -d' ' -f1)
second_sum=$(sha256sum <"$second" | cut -d' ' -f1)
echo "first build:  $first_sum"
echo "second build: $second_sum"
status=0
if [ "$first_sum" != "$second_sum" ]; then
    echo "the two builds differ:"
    cmp -l "$zip" "$second" | head -5 || true
    (cd "$build/reproduce" && mkdir -p a b && unzip -qo "$zip" -d a && unzip -qo "$second" -d b && diff -rq a b) || true
    status=1
fi
exe=$(unzip -Z1 "$zip" | grep -i '/quillmere\.exe$')
for folder in "$src" "$build" "$elsewhere"; do
    if unzip -p "$zip" "$exe" | strings -a | grep -qF "$folder"; then
        echo "the shipped exe names $folder"
        status=1
    fi
done
[ $status = 0 ] && rm -rf "$build/reproduce"
exit $status
