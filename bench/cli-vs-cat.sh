#!/usr/bin/env bash
# zarnet-cli writing 1,000,000 lines of each kind, against cat copying the
# same bytes: to a pipe, to a file as standard output, and with -o (which
# writes a temporary file, syncs it to disk and renames it) against cat to a
# file. Each pair runs the two one right after
# the other, so both meet the same load on a shared machine; the figure is
# the median over the pairs of the ratio of CPU time (user + system) spent by
# zarnet-cli to that spent by cat. Then the peak memory at 1,000,000 and at
# 4,000,000 lines, which stays the same when the output does not grow with
# the line count in memory. Needs GNU time (/usr/bin/time).
# Usage: bench/cli-vs-cat.sh [CLI] [CPU_TIME] [PAIRS]
set -euo pipefail
cli=${1:-build/bin/zarnet-cli}
cpu_time=${2:-$(dirname "$cli")/zarnet-cpu-time}
pairs=${3:-9}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Values 1 to N/1000, as ranges of at most 101 values: 1,000 lines each.
values() {
    local groups=$(($1 / 1000)) first list=
    for ((first = 1; first <= groups; first += 100)); do
        list+="${list:+,}$first-$((first + 99 < groups ? first + 99 : groups))"
    done
    echo "$list"
}

pattern() {
    echo -b https://example.com/gallery/%%/ -l "$(values "$1")" -f photo_%%_ -s 0001 -e 1000 \
        -r _large -x jpg -k "$2"
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-6s %-5s %12s %12s %14s\n' kind to bytes 'cat CPU ms' 'cli/cat CPU'
for kind in list html image; do
    # shellcheck disable=SC2046 # the pattern is words
    "$cli" $(pattern 1000000 "$kind") >"$out/$kind.txt"
    bytes=$(wc -c <"$out/$kind.txt")
    for target in pipe file -o; do
        where=pipe
        [ "$target" != pipe ] && where=$out/written.txt
        cli_where=$where
        cli_option=()
        [ "$target" = -o ] && cli_where=pipe cli_option=(-o "$out/written.txt")
        : >"$out/ratios"
        : >"$out/cat"
        for ((i = 0; i < pairs; i++)); do
            cat_us=$("$cpu_time" "$where" cat "$out/$kind.txt")
            # shellcheck disable=SC2046
            cli_us=$("$cpu_time" "$cli_where" "$cli" $(pattern 1000000 "$kind") "${cli_option[@]}")
            echo "$cat_us" >>"$out/cat"
            awk -v a="$cli_us" -v b="$cat_us" 'BEGIN { printf "%.3f\n", a / b }' >>"$out/ratios"
        done
        if [ "$target" != pipe ] && ! cmp -s "$out/written.txt" "$out/$kind.txt"; then
            echo "zarnet-cli wrote other bytes the second time" >&2
            exit 1
        fi
        printf '%-6s %-5s %12s %12s %14s\n' "$kind" "$target" "$bytes" \
            "$(median <"$out/cat" | awk '{ printf "%.1f", $1 / 1000 }')" "$(median <"$out/ratios")"
    done
done

echo
printf '%-6s %10s %22s\n' kind lines 'peak memory (KiB)'
for kind in list html image; do
    for lines in 1000000 4000000; do
        # shellcheck disable=SC2046
        /usr/bin/time -f %M -o "$out/rss" "$cli" $(pattern "$lines" "$kind") >/dev/null
        printf '%-6s %10s %22s\n' "$kind" "$lines" "$(cat "$out/rss")"
    done
done
