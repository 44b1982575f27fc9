#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and compares what arrived with
# the expected list: nothing missing, nothing extra, nothing outside the
# prefix.
# Usage: install-lists-expected-files.sh BUILD_DIR EXPECTED_LIST
set -euo pipefail
build=$1
expected=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
actual=$(cd "$stage" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if ! diff <(grep -v '^#' "$expected" | LC_ALL=C sort) <(printf '%s\n' "$actual"); then
    echo "installed files differ from $expected (< expected, > installed)" >&2
    exit 1
fi
echo "1 passed, 0 failed"
