#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, in a fresh prefix that is removed
# afterwards, so neither the user's Wine nor an earlier run has a say.
# Usage: tools/windows-test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$prefix"' EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1
cd "$build"
# One after the other: the tests share the prefix's one registry.
ctest --output-on-failure
