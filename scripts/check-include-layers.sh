#!/usr/bin/env bash
# Fails when an include goes up the folder layers or two folders come to include each other.
# Layers, top to bottom: app/; the subsystems; base/; platform/ and toolkit/ (the system layer).
# Usage: check-include-layers.sh [source root]   (default: the repository holding this script)
set -euo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
pending="$root/scripts/include-layers-pending.txt"
declare -A rank=([app]=4 [services]=3 [config]=3 [registry]=3 [lang]=3 [procs]=3 [about]=3
                 [base]=2 [platform]=1 [toolkit]=1)

# "file target-folder/header" for every include of a project header across folders.
edges=$(cd "$root" && git grep -n --untracked -E '^\s*#\s*include\s+"[a-z_]+/' -- '*.h' '*.cpp' |
        sed -E 's/^([^:]+):[0-9]+:\s*#\s*include\s+"([^"]+)".*/\1 \2/' |
        awk '{ split($1, a, "/"); split($2, b, "/"); if (a[1] != b[1]) print }' | sort -u)

status=0
declare -A seen_pending=()
while read -r file header; do
    [ -n "$file" ] || continue
    from=${file%%/*} to=${header%%/*}
    [ -n "${rank[$from]:-}" ] && [ -n "${rank[$to]:-}" ] || continue   # tests, bench, tools
    if [ "${rank[$to]}" -gt "${rank[$from]}" ]; then
        if [ -f "$pending" ] && grep -qxF "$file $header" "$pending"; then
            seen_pending["$file $header"]=1
            continue
        fi
        echo "include goes up the layers: $file includes $header" >&2
        status=1
    fi
done <<< "$edges"

# Entries of the pending list that no longer occur must go, so the list only shrinks.
if [ -f "$pending" ]; then
    while read -r line; do
        [ -z "$line" ] || [ "${line:0:1}" = "#" ] && continue
        if [ -z "${seen_pending[$line]:-}" ]; then
            echo "stale entry in $(basename "$pending"): $line" >&2
            status=1
        fi
    done < "$pending"
fi

# The folder graph must have no cycle (tsort names one when there is); pending lines aside.
if [ -f "$pending" ]; then edges=$(grep -vxF -f <(grep -v '^#' "$pending") <<< "$edges" || true); fi
folder_pairs=$(awk '{ split($1, a, "/"); split($2, b, "/"); print a[1], b[1] }' <<< "$edges" | sort -u |
               while read -r from to; do
                   [ -n "${rank[$from]:-}" ] && [ -n "${rank[$to]:-}" ] && echo "$from $to"
               done || true)
for from in "${!rank[@]}"; do folder_pairs+=$'\n'"$from $from"; done
if ! tsort <<< "$folder_pairs" >/dev/null 2>"$root/.include-cycle.$$"; then
    echo "folders include each other:" >&2
    grep -v '^tsort: -:' "$root/.include-cycle.$$" | sed 's/^tsort: /  /' >&2 || true
    status=1
fi
rm -f "$root/.include-cycle.$$"
[ $status -eq 0 ] && echo "include layers: ok"
exit $status
