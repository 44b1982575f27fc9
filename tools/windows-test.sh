#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, in a fresh prefix that is removed
# afterwards, so neither the user's Wine nor an earlier run has a say.
# Then zarnet-cli.exe must answer the comparison cases as the Linux
# zarnet-cli does.
# Usage: tools/windows-test.sh WINDOWS_BUILD_DIR LINUX_CLI
set -euo pipefail
build=$1
linux_cli=$(realpath "$2")
tools=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$prefix"' EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1
windows_cli=$(realpath "$build/bin/zarnet-cli.exe")
cd "$build"
# One after the other: the tests share the prefix's one registry.
ctest --output-on-failure
"$tools/compare-cli.sh" "$linux_cli" "$windows_cli"
