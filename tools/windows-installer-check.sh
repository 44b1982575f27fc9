#!/usr/bin/env bash
# The installer's round trip under Wine: a silent install for all users, the
# installed program started once (it must write nothing into Program Files),
# a silent uninstall that leaves Program Files, the Start menu and Apps &
# features clean and the user's settings in place.
# Usage: tools/windows-installer-check.sh SETUP.exe
# (WINEPREFIX set up by tools/wine-prefix.sh, DISPLAY an X server)
set -euo pipefail
setup=$(realpath "$1")
tools=$(cd "$(dirname "$0")" && pwd)
. "$tools/windows-window-steps.sh"

drive_c=$WINEPREFIX/drive_c
installed="$drive_c/Program Files/Zarnet"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zarnet.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zarnet'
fail() { echo "installer check: $*" >&2; exit 1; }
listing() { (cd "$installed" && find . -printf '%p %s %T@\n' | sort); }

wine "$setup" /S /AllUsers
wineserver -w
[ -f "$installed/zarnet.exe" ] && [ -f "$installed/Uninstall.exe" ] || fail "nothing installed"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
wine reg query "$uninstall_key" /v UninstallString >/dev/null || fail "no Apps & features entry"

before=$(listing)
start_window 'C:\Program Files\Zarnet\zarnet.exe'
quit_window
[ "$(listing)" = "$before" ] || fail "the program wrote into Program Files: $(diff <(echo "$before") <(listing))"
wine reg query 'HKCU\Software\t-velka\Zarnet\Last' >/dev/null || fail "no settings saved"

wine "C:\\Program Files\\Zarnet\\Uninstall.exe" /S
wineserver -w
[ ! -e "$installed" ] || fail "left in Program Files: $(ls -A "$installed")"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the Apps & features entry is left"
wine reg query 'HKCU\Software\t-velka\Zarnet\Last' >/dev/null || fail "the user's settings went too"
echo "installer check: installed, ran without writing into Program Files, uninstalled clean"
