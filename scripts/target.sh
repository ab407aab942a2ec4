# Sourced by the build, run, test and bench scripts: which Windows build this machine runs under
# Wine, and where it is built. Sets qlmr_target (win32 or win64), qlmr_toolchain and
# qlmr_build_name.
# The program ships as a 32-bit exe, and wherever the machine can run 32-bit Linux programs the
# tests run that exe in a 32-bit prefix. A kernel without 32-bit emulation runs no 32-bit Wine at
# all ("Exec format error"); there the same sources are built for 64-bit Windows as well and the
# tests run that build in a 64-bit prefix, so they still drive the real program. QLMR_TARGET
# chooses by hand.
qlmr_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ -n "${QLMR_TARGET:-}" ]; then
    qlmr_target=$QLMR_TARGET
elif [ ! -e /usr/lib/wine/wine ] || /usr/lib/wine/wine --version >/dev/null 2>&1; then
    qlmr_target=win32
else
    qlmr_target=win64
fi
if [ "$qlmr_target" = win64 ]; then
    qlmr_toolchain="$qlmr_root/cmake/mingw64.cmake"
    qlmr_build_name=build-win64
else
    qlmr_toolchain="$qlmr_root/cmake/mingw32.cmake"
    qlmr_build_name=build
fi
