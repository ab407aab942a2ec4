#!/usr/bin/env bash
# Fails when the exe imports a function that Windows XP SP3's system DLLs do not export (the
# allowed list is data beside this script) or when its PE header asks for a later Windows.
# Usage: check-xp-compat.sh <exe> <allowed-imports-file>
set -euo pipefail
exe=${1:?exe}; allowed=${2:?allowed list}
here=$(cd "$(dirname "$0")" && pwd)
status=0
unknown=$(comm -23 <("$here/list-imports.sh" "$exe") <(grep -v '^#' "$allowed" | grep . | sort -u))
if [ -n "$unknown" ]; then
    echo "Imports not known to exist on Windows XP SP3:"
    printf '  %s\n' $unknown
    status=1
fi
header=$(i686-w64-mingw32-objdump -p "$exe")
major=$(awk '/MajorSubsystemVersion/{print $2}' <<<"$header")
minor=$(awk '/MinorSubsystemVersion/{print $2}' <<<"$header")
if [ "$major" -gt 5 ] || { [ "$major" -eq 5 ] && [ "$minor" -gt 1 ]; }; then
    echo "Subsystem version $major.$minor is later than Windows XP (5.1)"
    status=1
fi
grep -q 'Subsystem.*Windows GUI' <<<"$header" || { echo "not a Windows GUI program"; status=1; }
[ $status = 0 ] && echo "XP check: $(grep -c . <("$here/list-imports.sh" "$exe")) imports allowed, subsystem $major.$minor"
exit $status
