#!/usr/bin/env bash
# Installs the Debian packages the build, the program's run and the tests need.
# Safe to run again: it does nothing when everything is already there.
set -euo pipefail

need=(wine wine64 wine32:i386 g++-mingw-w64-i686 g++-mingw-w64-x86-64 cmake ninja-build nasm doctest-dev fp-utils
      xvfb xauth imagemagick fonts-wine dpkg-dev cups printer-driver-cups-pdf libcups2:i386
      poppler-utils x11-utils xdotool clang libclang-rt-14-dev fonts-dejavu-core bc
      python3)

# Source packages are needed for libjpeg-turbo.
src=/etc/apt/sources.list.d/debian.sources
added_sources=0
if [ -f "$src" ] && ! grep -q '^Types: deb-src' "$src" && [ ! -f /etc/apt/sources.list.d/debian-src.sources ]; then
    sed -n '/^Types: deb$/,/^$/p' "$src" | sed 's/^Types: deb$/Types: deb-src/' > /etc/apt/sources.list.d/debian-src.sources
    added_sources=1
fi

missing=()
for p in "${need[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    [ $added_sources = 1 ] && apt-get update -qq
    exit 0
fi

export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
# A mirror caught mid-sync fails one index (seen: the i386 security list); the others still
# serve, so go on with them.
apt-get update -qq || echo "install-deps: some package lists could not be read; using the others" >&2
if ! apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
    # Without one architecture's security list, the newer amd64 versions there have no i386
    # twin: stay on the release's own versions, which both architectures have.
    . /etc/os-release
    apt-get install -y -qq --no-install-recommends -o APT::Default-Release="$VERSION_CODENAME" "${missing[@]}"
fi
