#!/bin/bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Every folder of src/ includes only itself and the folders below it: a newcomer can read the
# tree from the bottom up, and nothing low has to be rebuilt or rethought when a window changes.
# A file in a subfolder belongs to the layer of its top folder. platform/ holds a folder for each
# system's own code (desktop/ for Linux and Windows alike), of which the build compiles the ones
# for its system: such a folder may include the common platform/, the common part includes none
# of them, no system's folder includes another's, and the layers above see the common part only.
# Prints each include that breaks these rules and fails if there is one.
set -euo pipefail
src=${1:-$(dirname "$0")/../src}

# What each folder may include besides itself.
declare -A allowed=(
    [vocabulary]=""
    [widgets]=""
    [platform]="widgets"
    [entry]="platform widgets"
    [worksheet]="vocabulary platform widgets"
    [trainer]="vocabulary platform widgets entry worksheet"
    [games]="vocabulary platform widgets"
    [app]="vocabulary platform widgets entry worksheet trainer games"
)

status=0
for dir in "$src"/*/; do
    folder=$(basename "$dir")
    if [[ ! -v allowed[$folder] ]]; then
        echo "src/$folder/ has no place in the layers of tests/layers.sh"
        status=1
    fi
done

while IFS= read -r line; do
    file=${line%%:*}
    path=${file#"$src"/}
    folder=${path%%/*}
    [[ -v allowed[$folder] ]] || continue
    # The system's folder a file of platform/ lies in, empty for the common part.
    own=""
    if [[ $folder == platform && ${path#platform/} == */* ]]; then
        own=${path#platform/}
        own=${own%%/*}
    fi
    included=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$line")
    target=${included%%/*}
    # The system's folder of an included platform/ file, empty for the common part.
    system=""
    if [[ $target == platform && ${included#platform/} == */* ]]; then
        system=${included#platform/}
        system=${system%%/*}
    fi
    if [[ $target != "$folder" && " ${allowed[$folder]} " != *" $target "* ]]; then
        echo "$path: includes $target/ from $folder/"
        status=1
    elif [[ -n $system && $folder != platform ]]; then
        echo "$path: includes platform/$system/ from $folder/, which sees platform/'s common part only"
        status=1
    elif [[ -n $system && -z $own ]]; then
        echo "$path: includes platform/$system/ from the common platform/"
        status=1
    elif [[ -n $system && $system != "$own" ]]; then
        echo "$path: includes platform/$system/ from platform/$own/"
        status=1
    fi
done < <(grep -rH '#include "[^/"]*/' "$src" || true)

# Qt headers are included by class name (<QWidget>): a module path (<QtWidgets/QWidget>) would
# slip past the rules library, which has no widget include path but does have Qt's top folder.
if grep -rn '#include <Qt[A-Za-z]*/' "$src"; then
    status=1
fi
exit $status
