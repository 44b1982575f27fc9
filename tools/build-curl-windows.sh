#!/usr/bin/env bash
# Builds the static libcurl of the Windows programs, with Schannel (the
# system's own TLS and certificate store), from Debian's own source of the
# curl the Linux build links, with MinGW-w64, into a cache folder outside
# the tree, as tools/build-qt-windows.sh builds Qt. About a minute and a half
# on 2 cores.
#
# Usage: tools/build-curl-windows.sh            build it, unless it is there
#        tools/build-curl-windows.sh --prefix   print where it is
# The prefix is $ZARNET_CURL_WINDOWS, else
# ${XDG_CACHE_HOME:-~/.cache}/zarnet/curl-<version>-mingw-static. A prefix
# whose stamp matches the version and the options is reused as it is.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh" cmake ninja-build dpkg-dev g++-mingw-w64-x86-64-posix \
    libcurl4-openssl-dev

version=$(dpkg-query -W -f='${Version}' libcurl4-openssl-dev)
upstream=${version%%-*}
prefix=${ZARNET_CURL_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/zarnet/curl-$upstream-mingw-static}
if [ "${1:-}" = --prefix ]; then
    echo "$prefix"
    exit 0
fi

# HTTP and HTTPS only, nothing beyond what Windows itself has: Schannel for
# TLS, the system's IDN, no compression (a probe reads no content).
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DENABLE_MANUAL=OFF
    -DHTTP_ONLY=ON
    -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF -DCURL_USE_LIBSSH2=OFF -DCURL_USE_LIBPSL=OFF
    -DUSE_LIBIDN2=OFF -DUSE_WIN32_IDN=ON -DCURL_ZLIB=OFF -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF -DUSE_NGHTTP2=OFF
)
stamp="curl $version
${options[*]}"

if [ -f "$prefix/zarnet-curl.stamp" ] && [ "$(cat "$prefix/zarnet-curl.stamp")" = "$stamp" ]; then
    echo "libcurl for Windows: $prefix (cached)"
    exit 0
fi

echo "Building libcurl $upstream for Windows into $prefix."
work=$(dirname "$prefix")/curl-$upstream-mingw-build
rm -rf "$work" "$prefix"
source_dir=$("$root/tools/fetch-debian-source.sh" "$work" "curl=$version")

cmake -G Ninja -S "$source_dir" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    "${options[@]}"
cmake --build "$work/build" -j "$(nproc)"
cmake --install "$work/build"
printf '%s\n' "$stamp" >"$prefix/zarnet-curl.stamp"
rm -rf "$work"
echo "libcurl for Windows: $prefix ($(du -sh "$prefix" | cut -f1))"
