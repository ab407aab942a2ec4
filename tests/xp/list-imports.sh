#!/usr/bin/env bash
# Prints the imports of a PE file as "DLL!Function", DLL names in upper case, sorted.
set -euo pipefail
i686-w64-mingw32-objdump -p "${1:?exe}" | awk '
    /DLL Name:/ { dll = toupper($3); next }
    /^\t[0-9a-f]+\t *[0-9]+ +[A-Za-z_?@]/ && dll != "" { print dll "!" $3 }
' | sort -u
