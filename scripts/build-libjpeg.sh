#!/usr/bin/env bash
# Builds libjpeg-turbo from Debian's source package for the 32-bit Windows target.
# Usage: build-libjpeg.sh <deps-dir> [toolchain file, default the 32-bit one]. Does nothing when <deps-dir>/lib/libjpeg.a exists.
set -euo pipefail
deps=$(realpath -m "${1:?deps dir}")
[ -f "$deps/lib/libjpeg.a" ] && exit 0
here=$(cd "$(dirname "$0")/.." && pwd)
work="$deps.src"
rm -rf "$work"; mkdir -p "$work"
cd "$work"
apt-get source -qq libjpeg-turbo >/dev/null 2>&1 || apt-get source libjpeg-turbo
srcdir=$(find . -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -1)
# Built for size, each function in its own section so the program's link drops what it does not
# call. No SIMD: the program decodes two small banners once, and the assembly routines (most of
# them for compression, which the link cannot drop) took 170 KB of the exe.
# Its CMakeLists predates explicit byproducts (CMP0058); the new behaviour is what Ninja wants.
cmake -S "$srcdir" -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="${2:-$here/cmake/mingw32.cmake}" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_C_FLAGS="-ffunction-sections -fdata-sections" \
    -DCMAKE_POLICY_DEFAULT_CMP0058=NEW -DENABLE_SHARED=0 -DENABLE_STATIC=1 -DWITH_TURBOJPEG=0 \
    -DWITH_SIMD=0 -DCMAKE_INSTALL_PREFIX="$deps" >/dev/null
ninja -C build install >/dev/null
rm -rf "$work"
