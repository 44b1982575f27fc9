#!/usr/bin/env bash
# 1,000,000 addresses written by zarnet-cli to a file, against seq -f writing
# as many lines of the same length. Needs hyperfine (Debian package).
set -euo pipefail
cli=${1:-build/bin/zarnet-cli}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
values=1-100,101-200,201-300,301-400,401-500,501-600,601-700,701-800,801-900,901-1000
hyperfine -w 2 -r 10 -N \
    "$cli -b https://example.com/gallery/%%/ -l $values -f photo_%%_ -s 0001 -e 1000 -r _large -x jpg -k list -o $out/cli.txt" \
    "bash -c 'seq -f https://example.com/gallery/100/photo_100_%04g_large.jp 1 1000000 > $out/seq.txt'"
wc -lc "$out/cli.txt" "$out/seq.txt"
