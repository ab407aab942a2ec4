#!/usr/bin/env bash
# Draws the program's icon and its two JPEG pictures (the banner and the about picture).
# Usage: make-images.sh <out-dir>
set -euo pipefail
out=${1:?out dir}
mkdir -p "$out"
font=DejaVu-Sans-Bold
# Icon: a quill-green square with the letter Q, in the sizes Windows XP uses.
for s in 16 32 48; do
    convert -size ${s}x${s} gradient:'#2f6b3a-#9fd18c' -gravity center -fill white -font "$font" \
        -pointsize $((s * 3 / 4)) -annotate +0+0 'Q' "$out/icon$s.png"
done
convert "$out/icon16.png" "$out/icon32.png" "$out/icon48.png" "$out/quillmere.ico"
rm -f "$out"/icon*.png
# Banner: 1600 x 65, the name on a green gradient.
convert -size 1600x65 gradient:'#1e4d2b-#c0dcc0' -rotate 0 -gravity west -fill white -font "$font" \
    -pointsize 30 -annotate +16+0 'Quillmere (QLMR)' -fill '#e8f4e8' -pointsize 14 \
    -annotate +330+8 'Службы Windows XP под контролем' -quality 90 "$out/top.jpg"
# About picture: 315 x 234.
convert -size 315x234 radial-gradient:'#c0dcc0-#1e4d2b' -gravity center -fill white -font "$font" \
    -pointsize 40 -annotate +0-20 'Quillmere' -pointsize 16 -annotate +0+30 'Palewick Workshop' \
    -quality 90 "$out/about.jpg"
