#!/bin/bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Every folder of src/ includes only itself and the folders below it: a newcomer can read the
# tree from the bottom up, and nothing low has to be rebuilt or rethought when a window changes.
# Prints each include that runs up the layers and fails if there is one.
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
        continue
    fi
    while IFS= read -r line; do
        file=${line%%:*}
        target=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$line")
        if [[ $target != "$folder" && " ${allowed[$folder]} " != *" $target "* ]]; then
            echo "${file#"$src"/}: includes $target/ from $folder/"
            status=1
        fi
    done < <(grep -H '#include "[^/"]*/' "$dir"* || true)
done

# Qt headers are included by class name (<QWidget>): a module path (<QtWidgets/QWidget>) would
# slip past the rules library, which has no widget include path but does have Qt's top folder.
if grep -rn '#include <Qt[A-Za-z]*/' "$src"; then
    status=1
fi
exit $status
