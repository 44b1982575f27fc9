#!/usr/bin/env bash
# Runs every case of tests/cli/compare-cases.txt through the Linux zarnet-cli
# and, under Wine, zarnet-cli.exe, and compares what they give: standard
# output byte for byte, the exit status, and standard error with its line
# ends aside.
# Usage: tools/compare-cli.sh LINUX_CLI WINDOWS_CLI   (WINEPREFIX set)
set -euo pipefail
linux=$1
windows=$2
cases=$(dirname "$0")/../tests/cli/compare-cases.txt
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Both read the same locale; Wine takes the arguments in its charset.
export LC_ALL=C.UTF-8
# One Wine server for all the cases, rather than one that may be going away
# just as the next case starts.
wineserver -p30 2>/dev/null || true

# Runs zarnet-cli.exe with the case's arguments; sets windows_status. A run
# that ends in failure with nothing on either stream is Wine's, not the
# program's (it never fails without a message): that one is run again.
run_windows() {
    wine "$windows" "$@" </dev/null >"$work/windows.out" 2>"$work/windows.err"
    windows_status=$?
    if [ "$windows_status" != 0 ] && [ ! -s "$work/windows.out" ] && [ ! -s "$work/windows.err" ]; then
        echo "Wine gave status $windows_status and nothing else; once more: $line"
        wine "$windows" "$@" </dev/null >"$work/windows.out" 2>"$work/windows.err"
        windows_status=$?
    fi
}

passed=0
failed=0
while IFS= read -r line; do
    case "$line" in '' | '#'*) continue ;; esac
    eval "args=($line)"
    set +e
    "$linux" "${args[@]}" </dev/null >"$work/linux.out" 2>"$work/linux.err"
    linux_status=$?
    run_windows "${args[@]}"
    set -e
    tr -d '\r' <"$work/windows.err" >"$work/windows.err.lf"
    if [ "$linux_status" = "$windows_status" ] &&
        cmp -s "$work/linux.out" "$work/windows.out" &&
        cmp -s "$work/linux.err" "$work/windows.err.lf"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "differs: $line (status $linux_status / $windows_status)"
        cmp "$work/linux.out" "$work/windows.out" || true
        diff "$work/linux.err" "$work/windows.err.lf" || true
    fi
done <"$cases"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
