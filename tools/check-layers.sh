#!/usr/bin/env bash
# Holds every file of src/ to the layer table the build wrote: a layer
# includes only its own headers and those of the layers below it, names
# them by their layer's folder, and includes Qt only where the build lets it.
#
# Usage: tools/check-layers.sh SRC-FOLDER LAYER-TABLE
# Each line of the table: a folder of src/, then the other folders (and "Qt")
# its files may include; a lone "-" marks a folder this build leaves out.
set -euo pipefail

src=$1
table=$2
declare -A allows
while read -r folder rest; do
    [ -n "$folder" ] && allows[$folder]=" $folder $rest "
done <"$table"

faults=0
fault() {
    echo "$1" >&2
    faults=$((faults + 1))
}

for dir in "$src"/*/; do
    layer=$(basename "$dir")
    if [ -z "${allows[$layer]+set}" ]; then
        fault "src/$layer: a folder that is no layer of the build (declare it in its CMakeLists.txt)"
        continue
    fi
    [ "${allows[$layer]}" = " $layer - " ] && continue
    while IFS= read -r -d '' file; do
        shown=${file#"$src"/}
        while IFS=: read -r line text; do
            if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]*)\" ]]; then
                header=${BASH_REMATCH[1]}
                below=${header%%/*}
                if [ "$below" = "$header" ] || [ "$below" = ".." ] || [ "$below" = "." ]; then
                    fault "src/$shown:$line: \"$header\": name a header by its layer's folder"
                elif [[ ${allows[$layer]} != *" $below "* ]]; then
                    fault "src/$shown:$line: layer $layer may not include \"$header\" (it may include:${allows[$layer]% })"
                fi
            elif [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]*)[/\>] ]]; then
                if [[ ${allows[$layer]} != *" Qt "* ]]; then
                    fault "src/$shown:$line: layer $layer is free of Qt and may not include <${BASH_REMATCH[1]}>"
                fi
            fi
        done < <(grep -n '^[[:space:]]*#[[:space:]]*include' "$file" || true)
    done < <(find "$dir" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)
done

if [ "$faults" -gt 0 ]; then
    echo "$faults include(s) against the layers" >&2
    exit 1
fi
