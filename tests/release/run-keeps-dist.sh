#!/usr/bin/env bash
# The README's run command runs the program from its own copy: dist/ holds the same entries after
# a run as before, while the run's copy has the program's first-run files.
# Usage: run-keeps-dist.sh <source-dir> <build-dir>
set -euo pipefail
root=${1:?}; build=${2:?}
entries() { (cd "$build/dist" && find . -mindepth 1 -printf '%y %P\n' | LC_ALL=C sort); }
rm -rf "$build/run"
before=$(entries)
# Headless, as on a machine without a display: it takes a screenshot and ends the program.
env -u DISPLAY QLMR_SHOT_DELAY=8 "$root/scripts/run.sh" >/dev/null
after=$(entries)
if [ "$before" != "$after" ]; then
    echo "dist/ changed by the run:" >&2
    diff <(echo "$before") <(echo "$after") >&2 || true
    exit 1
fi
[ -d "$build/run/Baze" ] || { echo "the run left nothing in build/run/Baze: did it start?" >&2; exit 1; }
