#!/usr/bin/env bash
# Runs the Windows build under Wine, in a fresh Japanese prefix that is
# removed afterwards, so neither the user's Wine nor an earlier run has a say:
# every test program (the window tests on Qt's offscreen platform), the
# desktop program through its real window, the installer's round trip, and
# zarnet-cli.exe against the Linux zarnet-cli on the comparison cases.
# Usage: tools/windows-test.sh WINDOWS_BUILD_DIR LINUX_CLI
set -euo pipefail
if [ -z "${ZARNET_UNDER_XVFB:-}" ]; then
    ZARNET_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
build=$(realpath "$1")
linux_cli=$(realpath "$2")
tools=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
. "$tools/wine-prefix.sh" "$work"

# One after the other: the tests share the prefix's one registry.
(cd "$build" && ctest --output-on-failure)
"$tools/windows-window-check.sh" "$build/bin"
"$tools/windows-installer-check.sh" "$build"/zarnet-*-setup.exe
"$tools/compare-cli.sh" "$linux_cli" "$build/bin/zarnet-cli.exe"
