#!/usr/bin/env bash
# Runs a command with a private CUPS server whose default queue prints to a PDF file, in a
# Wine prefix of its own (so no other test sees the printer).
# Usage: with-pdf-printer.sh <work-dir> <command...>; the job lands in <work-dir>/job.pdf.
set -euo pipefail
dir=$(realpath -m "${1:?work dir}"); shift
rm -rf "$dir"; mkdir -p "$dir"/{spool,cache,log,state,conf/ppd}
cat > "$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat > "$dir/cups-files.conf" <<CONF
FileDevice Yes
ServerRoot $dir/conf
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/spool
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
CONF
cp "$dir/cupsd.conf" "$dir/conf/cupsd.conf"
/usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
cupsd_pid=$!
trap 'kill $cupsd_pid 2>/dev/null || true' EXIT
export CUPS_SERVER="$dir/cups.sock"
for _ in $(seq 100); do [ -S "$dir/cups.sock" ] && break; sleep 0.1; done
lpadmin -p TestPDF -E -v "file://$dir/job.pdf" -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
lpadmin -d TestPDF
# A prefix of its own: the printer must not leak into the other tests' prefix.
if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    cp -a "$WINEPREFIX" "$dir/prefix"
    export WINEPREFIX="$dir/prefix"
fi
"$@"
