# Sourced: steps that drive the desktop program's window under Wine with
# xdotool, from the keyboard.

# Starts the program and waits for its main window; sets window_pid and
# window_id.
start_window() {
    wine "$1" >/dev/null 2>&1 &
    window_pid=$!
    window_id=$(timeout 120 xdotool search --sync --onlyvisible --name '^Vexilo' | head -n1)
    [ -n "$window_id" ] || { echo "the window did not show" >&2; return 1; }
    xdotool windowfocus --sync "$window_id"
    sleep 1
}

keys() {
    xdotool key --clearmodifiers --delay 100 "$@"
    sleep 0.3
}

# Replaces the focused box's text with the given one.
replace_text() {
    keys ctrl+a
    xdotool type --clearmodifiers --delay 40 -- "$1"
    sleep 0.3
}

wait_for_file() {
    for _ in $(seq 1 60); do
        [ -s "$1" ] && return 0
        sleep 0.5
    done
    echo "no file $1" >&2
    return 1
}

# Closes the window as a user would and waits for the program to end.
quit_window() {
    keys alt+F4
    for _ in $(seq 1 60); do
        kill -0 "$window_pid" 2>/dev/null || { wineserver -w; return 0; }
        sleep 0.5
    done
    echo "the program did not end" >&2
    return 1
}
