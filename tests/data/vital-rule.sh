#!/usr/bin/env bash
# A preset that disables a vital service must stop the build: the preset files are not made.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tables=$(mktemp -d)
trap 'rm -rf "$tables"' EXIT
cp "$root"/data/*.tsv "$tables/"
# RpcSs is vital; its tweaked start type (the last column) becomes "off".
sed -i 's/^\(RpcSs\tyes\t.*\t\)[a-z-]*$/\1off/' "$tables/presets.tsv"
grep -q "^RpcSs	yes	.*	off$" "$tables/presets.tsv"
if out=$(QLMR_DATA="$tables" python3 "$root/scripts/gen-configz.py" "$tables/out" 2>&1); then
    echo "a vital service disabled in a preset was accepted"; exit 1
fi
grep -qx "presets.tsv: RpcSs is vital and must never be disabled" <<<"$out" || { echo "unexpected: $out"; exit 1; }
[ ! -e "$tables/out" ] || { echo "files were written although the tables are wrong"; exit 1; }
echo "vital rule holds"
