#!/usr/bin/env bash
# Builds the static Qt for the Windows desktop program from Debian's own
# source of the Qt we build against on Linux, with MinGW-w64, into a cache
# folder outside the tree. The host tools (moc, rcc, uic) are the system's.
#
# Usage: tools/build-qt-windows.sh            build it, unless it is there
#        tools/build-qt-windows.sh --prefix   print where it is
# The prefix is $ZARNET_QT_WINDOWS, else
# ${XDG_CACHE_HOME:-~/.cache}/zarnet/qt-<version>-mingw-static. A prefix whose
# stamp matches the version and the options is reused as it is.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh" cmake ninja-build dpkg-dev xz-utils \
    g++-mingw-w64-x86-64-posix qt6-base-dev-tools qt6-base-dev

version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
upstream=${version%%+*}
prefix=${ZARNET_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/zarnet/qt-$upstream-mingw-static}
if [ "${1:-}" = --prefix ]; then
    echo "$prefix"
    exit 0
fi
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)

# Only what the program and its tests use: Core, Gui, Widgets and Test with
# the windows, offscreen and Vista-style plugins. OpenGL goes with its
# dynamic variant (FEATURE_opengl alone leaves the windows plugin's dynamic
# OpenGL on, which then fails to build). Direct2D stays: the windows plugin's
# DirectWrite font database is built with it. Debian's +dfsg source has
# no src/3rdparty/wintab, hence no tablet events. Optimised for size, and
# without the text formats, widgets and dialogs the program never shows (the
# input dialog stays: the Vista style includes it).
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF
    -DINPUT_opengl=no -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_movie=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_optimize_size=ON
    -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF
    -DFEATURE_textmarkdownwriter=OFF -DFEATURE_undostack=OFF -DFEATURE_undogroup=OFF
    -DFEATURE_undocommand=OFF -DFEATURE_undoview=OFF
    -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF -DFEATURE_calendarwidget=OFF
    -DFEATURE_datetimeedit=OFF -DFEATURE_dial=OFF -DFEATURE_lcdnumber=OFF
    -DFEATURE_splashscreen=OFF -DFEATURE_toolbox=OFF -DFEATURE_wizard=OFF
    -DFEATURE_colordialog=OFF -DFEATURE_progressdialog=OFF
    -DFEATURE_errormessage=OFF -DFEATURE_keysequenceedit=OFF -DFEATURE_columnview=OFF
    -DFEATURE_syntaxhighlighter=OFF
)
stamp="qt6-base $version
${options[*]}"

if [ -f "$prefix/zarnet-qt.stamp" ] && [ "$(cat "$prefix/zarnet-qt.stamp")" = "$stamp" ]; then
    echo "Qt for Windows: $prefix (cached)"
    exit 0
fi

echo "Building Qt $upstream for Windows into $prefix."
echo "This takes about half an hour on a 2-core machine; later builds reuse it."

work=$(dirname "$prefix")/qt-$upstream-mingw-build
rm -rf "$work" "$prefix"
source_dir=$("$root/tools/fetch-debian-source.sh" "$work" "qt6-base=$version")

cmake -G Ninja -S "$source_dir" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" \
    "${options[@]}"
cmake --build "$work/build" -j "$(nproc)"
cmake --install "$work/build"
printf '%s\n' "$stamp" >"$prefix/zarnet-qt.stamp"
rm -rf "$work"
echo "Qt for Windows: $prefix ($(du -sh "$prefix" | cut -f1))"
