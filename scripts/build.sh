#!/usr/bin/env bash
# Configures and builds everything into <build-dir> (default: build/), for 32-bit Windows or
# for the toolchain file QLMR_TOOLCHAIN names.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
deps=${QLMR_DEPS:-$HOME/.cache/quillmere-deps}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="${QLMR_TOOLCHAIN:-$root/cmake/mingw32.cmake}" \
        -DCMAKE_BUILD_TYPE=Release -DQLMR_DEPS="$deps" >/dev/null
fi
# Quiet when all is well, but warnings show; a failed build shows all but the progress lines.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! ninja -C "$build" >"$log" 2>&1; then
    grep -v -e '^\[[0-9]*/[0-9]*\] ' "$log" >&2
    exit 1
fi
grep -i -e 'warning' "$log" >&2 || true
