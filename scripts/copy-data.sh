#!/usr/bin/env bash
# Copies the program folder's data (not the exe) next to a test executable.
set -euo pipefail
src=${1:?}; dst=${2:?}
mkdir -p "$dst"
for f in "$src"/*; do
    [ "$(basename "$f")" = quillmere.exe ] && continue
    cp -a "$f" "$dst/"
done
