#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The roads' table of control places (tests/controls.txt) is the one the program's windows make:
#
#   controls.sh CONTROLS TABLE            fails, showing the difference, where they differ
#   controls.sh CONTROLS TABLE update     writes the table anew
#
# CONTROLS is the controls tool of a build (build/release/tests/controls).
set -euo pipefail
tool="${1:?usage: $0 CONTROLS TABLE [update]}"
table="${2:?usage: $0 CONTROLS TABLE [update]}"

made="$(QT_QPA_PLATFORM=offscreen "$tool" 2>/dev/null)"
if [[ "${3:-}" == update ]]; then
    {
        sed -n '/^#/p' "$table"
        echo "$made"
    } >"$table.new"
    mv "$table.new" "$table"
    exit 0
fi
if ! diff -u <(grep -v '^#' "$table") <(echo "$made"); then
    echo "FAIL: $table is not where the windows put their controls; write it anew with:" >&2
    echo "  bash tests/controls.sh $tool $table update" >&2
    exit 1
fi
echo "controls: $(wc -l <<<"$made") places, as the windows make them"
