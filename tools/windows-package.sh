#!/usr/bin/env bash
# The Windows downloads: the portable zip (zarnet.exe, zarnet-cli.exe, a
# README in Japanese and English, the licence) and the NSIS installer.
# Usage: tools/windows-package.sh WINDOWS_BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
root=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=zarnet-$version-win64
stage=$build/package/$name
rm -rf "$build/package"
mkdir -p "$stage"

for program in zarnet zarnet-cli; do
    x86_64-w64-mingw32-strip -o "$stage/$program.exe" "$build/bin/$program.exe"
done
# Notepad reads UTF-8 with a signature on any Windows, whatever its code page.
to_windows_text() { printf '\xef\xbb\xbf'; sed 's/$/\r/' "$1"; }
to_windows_text "$root/data/windows/README.txt" >"$stage/README.txt"
to_windows_text "$root/data/debian/copyright" >"$stage/LICENSE.txt"

rm -f "$build/$name.zip"
(cd "$build/package" && TZ=UTC zip -q -X -r "$build/$name.zip" "$name")

makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$root/data/icons/org.zarnet.Zarnet.ico" \
    -DOUTFILE="$build/zarnet-$version-setup.exe" "$root/data/windows/zarnet.nsi"
echo "$build/$name.zip"
echo "$build/zarnet-$version-setup.exe"
