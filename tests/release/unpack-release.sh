#!/usr/bin/env bash
# Checks the release archive against its SHA-256 file and unpacks it into an empty folder.
# Usage: unpack-release.sh <zip> <folder> <objdump>
set -euo pipefail
zip=${1:?}; folder=${2:?}; objdump=${3:?}
(cd "$(dirname "$zip")" && sha256sum --check --quiet "$(basename "$zip").sha256")
rm -rf "$folder"
mkdir -p "$folder"
(cd "$folder" && cmake -E tar xf "$zip")
exe=$(find "$folder" -name quillmere.exe)
[ -n "$exe" ] || { echo "no quillmere.exe in $zip" >&2; exit 1; }
if "$objdump" -h "$exe" | grep -q '\.debug'; then
    echo "quillmere.exe in $zip is not stripped" >&2
    exit 1
fi
