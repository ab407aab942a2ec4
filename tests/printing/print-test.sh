#!/usr/bin/env bash
# Prints the activity log to a private PDF queue and checks the printed lines and their order.
# Usage: print-test.sh <build-dir>
set -euo pipefail
build=$(realpath "${1:?build dir}")
here=$(cd "$(dirname "$0")" && pwd)
work="$build/print-test"
"$here/with-pdf-printer.sh" "$work" bash -c '
    cd "'"$build"'/itest"
    QLMR_PRINT_DIR="'"$work"'" wine integration_tests.exe -tc="printing sends*" </dev/null
    wineserver -w
'
for _ in $(seq 100); do [ -s "$work/job.pdf" ] && break; sleep 0.1; done
[ -s "$work/job.pdf" ] || { echo "no print job arrived"; exit 1; }
text=$(pdftotext "$work/job.pdf" - 2>/dev/null)
expect=("QLMR print check one" "QLMR print check two" "QLMR print check three")
pos=0
for line in "${expect[@]}"; do
    rest=${text#*"$line"}
    [ "$rest" != "$text" ] || { echo "printed text lacks: $line"; exit 1; }
    text=$rest
done
echo "printed lines arrived in order"
