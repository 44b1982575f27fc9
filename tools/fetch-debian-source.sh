#!/usr/bin/env bash
# Fetches Debian's own source of a package, patches applied, into WORK/src
# and prints the folder it is in. A deb-src entry for every deb entry of this
# machine's apt sources goes into a private apt state under WORK/apt, so the
# system's configuration stays as it is.
# Usage: tools/fetch-debian-source.sh WORK SOURCE=VERSION
set -euo pipefail
work=$1
package=$2
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/parts" "$work/src"
{
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] && sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f"
    done
} >"$work/apt/sources.list"
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed 's/^Types:.*\bdeb\b.*$/Types: deb-src/' "$f" >"$work/apt/parts/$(basename "$f")"
done
apt_options=(
    -o "Dir::Etc::SourceList=$work/apt/sources.list"
    -o "Dir::Etc::SourceParts=$work/apt/parts"
    -o "Dir::State::Lists=$work/apt/lists"
    -o "Dir::Cache=$work/apt/cache"
    -o "APT::Sandbox::User=root"
)
apt-get "${apt_options[@]}" -qq update >&2
(cd "$work/src" && apt-get "${apt_options[@]}" -qq source "$package" >&2)
find "$work/src" -mindepth 1 -maxdepth 1 -type d -name "${package%%=*}-*" | head -n1
