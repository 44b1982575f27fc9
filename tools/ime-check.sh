#!/usr/bin/env bash
# Types as a Japanese user does, through a real input method (ibus with mozc,
# in hiragana mode), into the desktop program under Xvfb: full-width digits in
# the number boxes and the settings dialog, 、 and the ideographic space in
# the substitution list, Alt+V in 終了 in the compact view without a menu bar,
# and the minus button down to zero. Takes a screenshot of each step and
# writes what the program stored and saved to results.txt. For a developer to
# run and look at; CI does not run it.
# Usage: tools/ime-check.sh [BUILD_DIR [OUT_DIR]]
#   BUILD_DIR holds bin/zarnet (default: build); OUT_DIR gets the screenshots
#   and results.txt (default: BUILD_DIR/ime-check).
# mozc refuses to run as root: run by root, the script creates the user
# imetest when there is none and types as that user. Its input method, its
# settings and the program's settings live in a temporary folder.
set -euo pipefail
script=$(realpath "$0")
ime_user=imetest

stage_outside() {
    local build out
    build=$(realpath "${1:-build}")
    out=$(realpath -m "${2:-$build/ime-check}")
    "$(dirname "$script")/install-deps.sh" ibus ibus-mozc dbus-x11 xvfb xauth xdotool \
        imagemagick fonts-noto-cjk
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # A portable copy: its settings file beside it.
    mkdir -p "$work/app" "$work/out"
    cp "$build/bin/zarnet" "$work/app/"
    chmod 755 "$work"
    if [ "$(id -u)" -eq 0 ]; then
        id "$ime_user" >/dev/null 2>&1 || useradd -m "$ime_user"
        chown -R "$ime_user" "$work"
        runuser -u "$ime_user" -- env ZARNET_IME_STAGE=xvfb ZARNET_IME_WORK="$work" "$script"
    else
        ZARNET_IME_STAGE=xvfb ZARNET_IME_WORK="$work" "$script"
    fi
    mkdir -p "$out"
    cp "$work/out/"* "$out/"
    cat "$out/results.txt"
    echo "screenshots and results in $out"
}

# The steps, as the user, on a display and a session bus of their own.
stage_session() {
    work=$ZARNET_IME_WORK
    app=$work/app
    out=$work/out
    export HOME=$work/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache XDG_DATA_HOME=$HOME/.local
    export XDG_RUNTIME_DIR=$HOME/run LANG=C.UTF-8
    export QT_IM_MODULE=ibus GTK_IM_MODULE=ibus XMODIFIERS=@im=ibus
    mkdir -p "$XDG_CONFIG_HOME/mozc" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    # Hiragana from the start, as a Japanese user types.
    cat >"$XDG_CONFIG_HOME/mozc/ibus_config.textproto" <<'EOF'
engines {
  name : "mozc-jp"
  longname : "Mozc"
  layout : "default"
  layout_variant : ""
  layout_option : ""
  rank : 80
}
active_on_launch: True
EOF
    ibus-daemon --replace --panel=disable --xim >"$out/ibus.log" 2>&1 &
    ibus_pid=$!
    trap 'stop_program; kill "$ibus_pid" 2>/dev/null || true' EXIT
    local ready=
    for _ in $(seq 1 60); do
        # Setting the engine reports a failure even where it takes it.
        ibus engine mozc-jp >/dev/null 2>&1 || true
        if [ "$(ibus engine 2>/dev/null)" = mozc-jp ]; then
            ready=1
            break
        fi
        sleep 0.5
    done
    [ -n "$ready" ] || { echo "ibus did not take the mozc engine" >&2; exit 1; }
    : >"$out/results.txt"

    case_numbers
    case_list
    case_alt
    case_minus
}

program_pid=
stop_program() {
    [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
    program_pid=
}

# Settings beside the program: the given lines of section Last over a pattern
# whose list box is enabled.
start_program() {
    {
        printf '[Default]\r\nIniFile=1\r\n[Last]\r\n'
        printf 'Dir=photos/%%%%\r\nFrontStr=img\r\nExtStr=.jpg\r\nMakeType=0\r\n'
        printf 'LastSaveFname=%s\r\n' "$app/list.txt"
        printf '%s\r\n' "$@"
    } >"$app/zarnet.ini"
    rm -f "$app/list.txt"
    "$app/zarnet" >>"$out/program.log" 2>&1 &
    program_pid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Vexilo' | head -n1)
    [ -n "$window" ] || { echo "the window did not show" >&2; exit 1; }
    xdotool windowfocus --sync "$window"
    sleep 1
}

keys() {
    xdotool key --delay 150 "$@"
    sleep 0.5
}

# Through the input method: the ASCII keys, one by one.
type_keys() {
    xdotool type --delay 150 -- "$1"
    sleep 0.5
}

tabs() {
    for _ in $(seq 1 "$1"); do keys "${2:-Tab}"; done
}

shot() {
    sleep 0.5
    import -window root "$out/$1.png"
}

# Quits through the menu (or the pop-up menu of the focused disk button when
# there is no menu bar), which saves the settings, and records what they hold.
quit_and_record() {
    local name=$1 via=${2:-menu}
    # Without a window manager a closed dialog leaves the focus nowhere.
    xdotool windowfocus --sync "$window"
    sleep 0.5
    if [ "$via" = menu ]; then
        keys alt+f
        keys x
    else
        keys Menu
        keys f
        keys x
    fi
    for _ in $(seq 1 40); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.25
    done
    stop_program
    {
        echo "== $name"
        iconv -f CP932 -t UTF-8 "$app/zarnet.ini" | tr -d '\r' |
            sed -n '/^\[Last\]/,/^\[/p' | grep -E '^(ContStr|StCount|EdCount|ImageWidth|ImageHeight)='
        if [ -f "$app/list.txt" ]; then
            echo "-- saved list"
            iconv -f CP932 -t UTF-8 "$app/list.txt" | tr -d '\r'
        fi
    } >>"$out/results.txt"
}

# 開始, 終了, the step box and the settings dialog's sizes, typed in hiragana
# mode: mozc shows ００５ in its preedit and commits it with Enter.
case_numbers() {
    start_program StCount=001 EdCount=002
    # The disk button has the focus; 開始 is the fifth box after it.
    tabs 5
    keys ctrl+a
    type_keys 005
    shot 1-start-preedit
    keys Return
    keys Tab ctrl+a
    type_keys 014
    keys Return
    # To the step box, past 後, 拡張子 and ＋.
    tabs 4
    keys ctrl+a
    type_keys 10
    keys Return
    shot 1-numbers
    # 動作設定: the focus is on 表示幅.
    keys alt+p
    keys p
    sleep 1
    keys ctrl+a
    type_keys 120
    keys Return Tab ctrl+a
    type_keys 90
    keys Return
    shot 1-settings
    # 設定保存, five controls on.
    tabs 5
    keys Return
    sleep 0.5
    quit_and_record "numbers typed in hiragana mode: 005, 014, 10, 120, 90"
}

# ryokou, converted and committed; a space with nothing composed; kazoku,
# converted and committed by typing on: ,umi.
case_list() {
    start_program StCount=01 EdCount=02
    tabs 3
    type_keys ryokou,
    keys space
    shot 2-list-converting
    keys Return
    keys space
    type_keys kazoku
    keys space
    type_keys ,umi
    keys space Return
    shot 2-list
    # Save to the file of the output box (two boxes back) with Enter.
    tabs 2 shift+Tab
    keys Return
    sleep 1
    quit_and_record "list typed as ryokou, kazoku,umi"
}

# Compact view without a menu bar: Alt+V in 終了 must not type a "v".
case_alt() {
    start_program StCount=000 EdCount=012 Compact=1 HideMenu=1
    tabs 6
    keys End
    keys alt+v
    keys alt+1
    shot 3-alt-in-end
    tabs 6 shift+Tab
    quit_and_record "Alt+V and Alt+1 in 終了, compact view without a menu bar" popup
}

# The minus button: from 005-014 by 10 down to 000-004, then from 000.
case_minus() {
    start_program StCount=005 EdCount=014
    # The minus button comes after the step box.
    tabs 11
    keys space
    shot 4-minus-to-zero
    keys space
    sleep 1
    shot 4-minus-from-zero
    keys Return
    quit_and_record "minus from 005-014 by 10, then from 000"
}

case "${ZARNET_IME_STAGE:-}" in
    "") stage_outside "$@" ;;
    xvfb) ZARNET_IME_STAGE=bus exec xvfb-run -a -s "-screen 0 1024x768x24" "$script" ;;
    bus) ZARNET_IME_STAGE=session exec dbus-run-session -- "$script" ;;
    session) stage_session ;;
esac
