#!/usr/bin/env bash
# Runs the full-disk fault case with Baze\ of the integration tests' program folder on a 16 KiB
# tmpfs, as a user's full disk: the registry editor's export stops where the space ends. Where a
# mount is refused (no root, a container), the case runs at its seam instead.
# Usage: with-small-data-folder.sh <itest folder> [doctest options]
set -euo pipefail
itest=$1
shift
baze="$itest/Baze"
mkdir -p "$baze"
mounted=
cleanup() { [ -n "$mounted" ] && umount "$baze" 2>/dev/null || true; }
trap cleanup EXIT
if mount -t tmpfs -o size=16k tmpfs "$baze" 2>/dev/null; then
    mounted=1
    export QLMR_DATA_FOLDER_MOUNT=full
else
    echo "no mount allowed here: the case runs at its seam"
fi
cd "$itest"
status=0
wine ./integration_tests.exe "$@" || status=$?
exit $status
