#!/usr/bin/env bash
# The desktop program through its real window under Wine, as a user would:
# start zarnet.exe, type a pattern from the keyboard, save by Enter in the
# output-file box, compare the file byte for byte with zarnet-cli.exe's
# output, quit, and read the history back from Wine's registry.
# Usage: tools/windows-window-check.sh WINDOWS_BIN_DIR [SCREENSHOT.png]
# (WINEPREFIX set up by tools/wine-prefix.sh, DISPLAY an X server)
set -euo pipefail
bin=$(realpath "$1")
screenshot=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tools=$(cd "$(dirname "$0")" && pwd)
. "$tools/windows-window-steps.sh"

# A portable copy of its own: its files beside it, a store key of its own.
mkdir -p "$work/app"
cp "$bin/zarnet.exe" "$bin/zarnet-cli.exe" "$work/app/"
wine reg delete 'HKCU\Software\t-velka\Zarnet' /f >/dev/null 2>&1 || true
output=$(winepath -w "$work/list.html")
expected=$(winepath -w "$work/expected.html")

base='http://example.com/photos/%%/'
values='cats,dogs'
front='img'
start='08'
end='11'
rear='_s'
ext='.jpg'

start_window "$work/app/zarnet.exe"
# The focus starts on the save button; the boxes follow in the tab order.
keys Tab
replace_text "$output"
for text in "$base" "$values" "$front" "$start" "$end" "$rear" "$ext"; do
    keys Tab
    replace_text "$text"
done
[ -z "$screenshot" ] || import -window root "$screenshot"
# Back to the output-file box, and save.
for _ in 1 2 3 4 5 6 7; do keys shift+Tab; done
keys Return
wait_for_file "$work/list.html"
quit_window

wine "$work/app/zarnet-cli.exe" -b "$base" -l "$values" -f "$front" -s "$start" -e "$end" \
    -r "$rear" -x "$ext" -o "$expected"
cmp "$work/expected.html" "$work/list.html"
history=$(wine reg query 'HKCU\Software\t-velka\Zarnet\URL0' /v Dir | tr -d '\r')
grep -qF "$base" <<<"$history" || { echo "history not stored: $history" >&2; exit 1; }
echo "window check: the saved list equals zarnet-cli.exe's, and the history holds it"
