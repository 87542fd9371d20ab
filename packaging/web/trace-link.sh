#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a link command with its standard output, wasm-ld's trace of every file it takes, in a file.
#
#   trace-link.sh OUTPUT COMMAND...
set -euo pipefail
output="$1"
shift
"$@" >"$output.part"
mv "$output.part" "$output"
