#!/usr/bin/env bash
# Checks the packaging data in data/: desktop entry, AppStream metainfo, icons,
# man pages and bash completion. Prints every failure; exits 1 when any.
# Usage: tools/check-package-data.sh   (from the repository root or anywhere)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

tools/install-deps.sh desktop-file-utils appstream man-db groff-base bash-completion

app=org.zarnet.Zarnet
desktop=data/$app.desktop
metainfo=data/$app.metainfo.xml
completion=data/bash-completion/zarnet-cli
man_pages=(data/man/zarnet.1 data/man/zarnet-cli.1)
options_source=src/cli/CliOptions.cpp

failures=()
fail() {
    failures+=("$1")
    printf 'FAIL: %s\n' "$1" >&2
    if [ $# -gt 1 ] && [ -n "$2" ]; then
        printf '%s\n' "$2" | sed 's/^/    /' >&2
    fi
}
pass() { printf 'ok:   %s\n' "$1"; }

# --- Desktop entry ----------------------------------------------------------
# The validator exits 0 on warnings; only its hints are acceptable.
if out=$(desktop-file-validate "$desktop" 2>&1) && ! grep -qE '(error|warning):' <<<"$out"; then
    pass "desktop-file-validate $desktop"
    [ -z "$out" ] || printf '%s\n' "$out" | sed 's/^/    /'
else
    fail "desktop-file-validate $desktop" "$out"
fi

# --- AppStream metainfo -----------------------------------------------------
if out=$(appstreamcli validate --no-net "$metainfo" 2>&1) && ! grep -qE '^[EW]:' <<<"$out"; then
    pass "appstreamcli validate --no-net $metainfo"
else
    fail "appstreamcli validate --no-net $metainfo" "$out"
fi

# The three files must name each other the same way, or the software centre
# shows no icon or no launcher.
grep -qx "Icon=$app" "$desktop" || fail "$desktop: Icon= is not $app"
grep -q "<id>$app</id>" "$metainfo" || fail "$metainfo: <id> is not $app"
grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" ||
    fail "$metainfo: launchable is not $app.desktop"
[ -f "data/icons/$app.svg" ] || fail "data/icons/$app.svg is missing"

# Docks match the window to its launcher by the class of its WM_CLASS, which
# Qt takes from the application name the program sets.
app_name=$(sed -nE 's/.*kApplicationTitle\[\] = "([^"]+)";.*/\1/p' src/ui/ErrorGuard.h)
grep -qx "StartupWMClass=$app_name" "$desktop" ||
    fail "$desktop: StartupWMClass is not '$app_name', the window's WM_CLASS"

# --- Icons ------------------------------------------------------------------
# Every PNG must exist and be as large as the folder it is in says.
png_size() {
    # Width and height from the IHDR chunk, big-endian at bytes 16 and 20.
    local w h
    w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    echo "${w}x${h}"
}
icons_ok=1
for n in 16 22 24 32 48 64 128 256; do
    png=data/icons/hicolor/${n}x${n}/apps/$app.png
    if [ ! -f "$png" ]; then
        fail "$png is missing (run tools/render-icons.sh)"
        icons_ok=0
    elif [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
        fail "$png is not a PNG file"
        icons_ok=0
    elif [ "$(png_size "$png")" != "${n}x${n}" ]; then
        fail "$png is $(png_size "$png"), not ${n}x${n}"
        icons_ok=0
    fi
done
[ "$icons_ok" -eq 0 ] || pass "icon PNGs 16 to 256"

# --- Man pages --------------------------------------------------------------
# The pages hold UTF-8 (the window's Japanese labels), so they are formatted
# for a UTF-8 terminal, as man does in a UTF-8 locale.
for page in "${man_pages[@]}"; do
    if out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) && [ -z "$out" ]; then
        pass "man --warnings -l $page"
    else
        fail "man --warnings -l $page" "$out"
    fi
    if out=$(groff -k -Tutf8 -man -ww -z "$page" 2>&1) && [ -z "$out" ]; then
        pass "groff -k -Tutf8 -man -ww -z $page"
    else
        fail "groff -k -Tutf8 -man -ww -z $page" "$out"
    fi
done

# The version in the pages and the newest release in the metainfo must be the
# project's version.
version=$(sed -nE 's/^project\(Zarnet VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
if [ -z "$version" ]; then
    fail "no project version found in CMakeLists.txt"
else
    for page in "${man_pages[@]}"; do
        grep -qE "^\.TH .*\"Zarnet $version\"" "$page" ||
            fail "$page: .TH does not name \"Zarnet $version\""
    done
    newest=$(grep -m1 -oE '<release version="[^"]+"' "$metainfo" | cut -d'"' -f2)
    [ "$newest" = "$version" ] ||
        fail "$metainfo: newest release is '$newest', the project is $version"
fi

# The options the program knows, from its option table:
#   {"base", 'b', true, ...   {"width", 0, true, ...
# as lines "long short takes-value" (short "-" when there is none).
program_options=$(sed -nE "s/^ *\{\"([a-z0-9-]+)\", ('(.)'|0), (true|false),.*/\1 \3 \4/p" \
    "$options_source" | awk '{ if (NF == 2) print $1, "-", $2; else print }')
if [ "$(wc -l <<<"$program_options")" -lt 20 ]; then
    fail "could not read the option table of $options_source" "$program_options"
    program_options=""
fi

# Every option has its own entry in the OPTIONS section of zarnet-cli(1):
# it is named in the tag line that follows a .TP there.
option_tags=$(awk '/^\.SH /{ in_options = ($2 == "OPTIONS") } in_options && tag { print; tag = 0 }
    in_options && /^\.TP/{ tag = 1 }' data/man/zarnet-cli.1 | sed 's/\\-/-/g')
missing=()
while read -r long short _; do
    [ -n "$long" ] || continue
    grep -qE -- "(^|[^a-z-])--$long([^a-z-]|$)" <<<"$option_tags" || missing+=("--$long")
    if [ "$short" != - ]; then
        grep -qE -- "(^|[^a-z-])-$short([^a-z-]|$)" <<<"$option_tags" || missing+=("-$short")
    fi
done <<<"$program_options"
if [ ${#missing[@]} -eq 0 ]; then
    pass "zarnet-cli.1 describes every option"
else
    fail "zarnet-cli.1 has no OPTIONS entry for: ${missing[*]}"
fi

# --- Bash completion --------------------------------------------------------
if out=$(bash -n "$completion" 2>&1); then
    pass "bash -n $completion"
else
    fail "bash -n $completion" "$out"
fi

# Runs the completion in a clean shell for a command line that ends at the
# cursor. Arguments: the words as bash splits them (an "=" is a word of its
# own); the last one is the word being completed. Prints the candidates
# sorted, one a line.
complete_line() {
    (
        cd "$scratch"
        # shellcheck disable=SC1091
        source /usr/share/bash-completion/bash_completion
        # shellcheck disable=SC1090
        source "$root/$completion"
        COMP_WORDS=("$@")
        COMP_CWORD=$(($# - 1))
        COMP_LINE=$(printf '%s' "${COMP_WORDS[0]}"; for w in "${COMP_WORDS[@]:1}"; do
            if [ "$w" = = ] || [ "${prev_word-}" = = ]; then printf '%s' "$w"; else printf ' %s' "$w"; fi
            prev_word=$w
        done)
        COMP_POINT=${#COMP_LINE}
        COMPREPLY=()
        _zarnet_cli 2>/dev/null
        [ ${#COMPREPLY[@]} -eq 0 ] || printf '%s\n' "${COMPREPLY[@]}" | sort
    )
}

# Checks one case. Arguments: description, expected candidates (space
# separated, sorted order not needed), then the words.
expect() {
    local what=$1 want got
    want=$(tr ' ' '\n' <<<"$2" | sed '/^$/d' | sort)
    shift 2
    got=$(complete_line "$@")
    if [ "$got" = "$want" ]; then
        pass "completion: $what"
    else
        fail "completion: $what" "wanted: $(tr '\n' ' ' <<<"$want")
got:    $(tr '\n' ' ' <<<"$got")"
    fi
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/saved" "$scratch/regs"
touch "$scratch/a.ini" "$scratch/reg.ini" "$scratch/notes.txt" "$scratch/rules.txt"

if [ ! -r /usr/share/bash-completion/bash_completion ]; then
    fail "bash-completion is not installed"
elif [ -n "$program_options" ]; then
    expect "long option prefix" "--kind" zarnet-cli --ki
    expect "several long options" "--no-border --no-click-view --no-separator" zarnet-cli --no-
    expect "kinds after -k" "0 1 2 html image list" zarnet-cli -k ""
    expect "kinds after --kind with a prefix" "html" zarnet-cli --kind h
    expect "kinds after --kind=" "image" zarnet-cli --kind = i
    expect "--settings: registry, INI files and folders" \
        "a.ini reg.ini registry regs saved" zarnet-cli --settings ""
    expect "--settings with a prefix" "reg.ini registry regs" zarnet-cli --settings re
    expect "--output: every file" "a.ini notes.txt reg.ini regs rules.txt saved" \
        zarnet-cli -o ""
    expect "--header: file names" "notes.txt" zarnet-cli --header no
    expect "nothing after a value is given" "" zarnet-cli -k html li
    expect "options again after a value" "--utf8" zarnet-cli -k html --ut

    # From the option table: every option is offered; after one that takes
    # free text nothing is offered; after a switch the options come back.
    all_options=$(awk '{ print "--" $1; if ($2 != "-") print "-" $2 }' <<<"$program_options" | sort)
    expect "every option of the program, and only those" "$all_options" zarnet-cli -
    while read -r long short takes; do
        case $long in
            kind | settings | header | footer | output) continue ;;  # checked above
        esac
        if [ "$takes" = true ]; then
            expect "nothing after --$long" "" zarnet-cli "--$long" ""
            [ "$short" = - ] || expect "nothing after -$short" "" zarnet-cli "-$short" ""
        else
            expect "options again after --$long" "--version" zarnet-cli "--$long" --vers
        fi
    done <<<"$program_options"
fi

# --- Result -----------------------------------------------------------------
if [ ${#failures[@]} -gt 0 ]; then
    printf '\n%d check(s) failed:\n' "${#failures[@]}" >&2
    printf '  %s\n' "${failures[@]}" >&2
    exit 1
fi
echo
echo "All packaging data checks passed."
