#!/usr/bin/env bash
# Runs the integration tests from a copy of their program folder under another name, with
# LC_ALL=C.UTF-8: ANSI code page 1252, and the one generated locale under which Wine decodes a
# folder named with Cyrillic letters.
# Usage: run-elsewhere.sh <itest folder> <new folder> [doctest options]
set -euo pipefail
from=$1
to=$2
shift 2
rm -rf "$to"
mkdir -p "$to"
cp -a "$from/." "$to/"
rm -rf "$to/Baze"
cd "$to"
status=0
LC_ALL=C.UTF-8 wine ./integration_tests.exe "$@" || status=$?
rm -rf "$to"
exit $status
