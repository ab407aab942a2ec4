#!/usr/bin/env bash
# Configures and builds everything into <build-dir> (default: build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
deps=${QLMR_DEPS:-$HOME/.cache/quillmere-deps}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw32.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DQLMR_DEPS="$deps" >/dev/null
fi
# Only what is not a progress line is shown: warnings, errors, the failing command.
ninja -C "$build" | { grep -v -e '^\[[0-9]*/[0-9]*\] ' -e "^ninja: Entering directory" -e '^ninja: no work to do' || true; }
