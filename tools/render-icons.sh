#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG, and the Windows
# icon (one .ico holding several of them) for the programs' resources.
# Usage: tools/render-icons.sh   (from anywhere; paths follow the script)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
svg="$root/data/icons/org.zarnet.Zarnet.svg"
out="$root/data/icons/hicolor"
sizes=(16 22 24 32 48 64 128 256)

"$root/tools/install-deps.sh" librsvg2-bin icoutils

[ -f "$svg" ] || { echo "render-icons: $svg is missing" >&2; exit 1; }

for n in "${sizes[@]}"; do
    dir="$out/${n}x${n}/apps"
    mkdir -p "$dir"
    rsvg-convert --width "$n" --height "$n" --format png \
        --output "$dir/org.zarnet.Zarnet.png" "$svg"
    echo "${n}x${n}/apps/org.zarnet.Zarnet.png"
done

ico=(16 24 32 48 64 256)
icotool --create --output "$root/data/icons/$(basename "$svg" .svg).ico" \
    $(for n in "${ico[@]}"; do
        [ "$n" -eq 256 ] && printf -- '--raw='
        printf '%s ' "$out/${n}x${n}/apps/org.zarnet.Zarnet.png"
    done)
echo "$(basename "$svg" .svg).ico"
