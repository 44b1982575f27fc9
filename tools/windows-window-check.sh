#!/usr/bin/env bash
# The desktop program through its real window under Wine, as a user would:
# start zarnet.exe, type a pattern from the keyboard, save by Enter in the
# output-file box, compare the file byte for byte with zarnet-cli.exe's
# output; press Alt+V in 終了 in the compact view without a menu bar and the
# minus button down to zero, saving and comparing after each; quit, and read
# the history back from Wine's registry. Then start it again with an address
# copied in another program, paste it through ｱﾄﾞﾚｽから設定 (Ctrl+L, the
# menu bar hidden as the first run left it), save with the disk button and
# compare the file with what zarnet-cli.exe --from-address writes.
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

# Saves from the output-file box, which has the focus, and compares the file
# with zarnet-cli.exe's for that range.
save_and_compare() {
    rm -f "$work/list.html" "$work/expected.html"
    keys Return
    wait_for_file "$work/list.html"
    wine "$work/app/zarnet-cli.exe" -b "$base" -l "$values" -f "$front" -s "$1" -e "$2" \
        -r "$rear" -x "$ext" -o "$expected"
    cmp "$work/expected.html" "$work/list.html"
}

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
save_and_compare "$start" "$end"

# Alt with a letter types nothing into 終了, in the compact view without a
# menu bar. The settings dialog opens on its first box; its last control,
# nine on, hides the menu in the compact view; 設定保存 is three back.
keys alt+p p
for _ in $(seq 1 9); do keys Tab; done
keys space
for _ in 1 2 3; do keys shift+Tab; done
keys Return
keys alt+v c
for _ in $(seq 1 5); do keys Tab; done
keys End alt+v alt+q
for _ in $(seq 1 5); do keys shift+Tab; done
save_and_compare "$start" "$end"

# The minus button, ten on: the saves set the step to the block's size, 4,
# so 08-11 goes to 03-07, then stops at zero with 00-02, then says there is
# nothing below zero.
for _ in $(seq 1 10); do keys Tab; done
keys space space space
sleep 1
keys Return
for _ in $(seq 1 10); do keys shift+Tab; done
save_and_compare 00 02
quit_window
history=$(wine reg query 'HKCU\Software\t-velka\Zarnet\URL0' /v Dir | tr -d '\r')
grep -qF "$base" <<<"$history" || { echo "history not stored: $history" >&2; exit 1; }
echo "window check: the saved lists equal zarnet-cli.exe's (Alt+V typed nothing, the minus" \
    "button stopped at zero), and the history holds them"

# The address as another program leaves it on the X clipboard, which Wine
# hands to the program; xclip stays to serve it.
address='http://example.com/gallery/img017_s.jpg'
printf '%s\n' "$address" | xclip -selection clipboard
rm -f "$work/list.html" "$work/expected.html"
start_window "$work/app/zarnet.exe"
keys ctrl+l
sleep 1
# OK; the focus is back on the disk button, which saves to the file the box
# kept from the first run.
keys Return
sleep 1
keys Return
wait_for_file "$work/list.html"
quit_window
wine "$work/app/zarnet-cli.exe" --from-address "$address" -o "$expected"
cmp "$work/expected.html" "$work/list.html"
echo "window check: the pasted address saves as zarnet-cli.exe --from-address writes it"
