#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser build's figures: what a pupil's device downloads (Brotli and gzip, as the files are
# served), and the time from page load to the start window drawn in headless Chromium against a
# bare Qt for WebAssembly program with one window of the same size, with the tab's memory, on
# each page size in turn. Needs scripts/web.sh to have built build/web-build/; links the bare
# program there first and makes its site as the program's is made (the same page and packing).
#
#   bench/web.sh [RUNS [WIDTH,HEIGHT ...]]   page sizes: an iPad across and upright, 1024,700
#                                            and 768,950, unless given
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"
cd "$REPO_ROOT"
site=build/web-build/site
bare=build/web-build/bench-site
[[ -d "$site" ]] || { echo "build the browser program first: scripts/web.sh" >&2; exit 1; }
export_emscripten_env
cmake --build build/web-build --target bench-site >/dev/null

kib() { cat "$@" | wc -c | awk '{ printf "%.0f KiB", $1 / 1024 }'; }
# shellcheck disable=SC2046 # the site's file names hold no spaces
echo "download: $(kib "$site"/*.br "$site"/*.png) as Brotli, $(kib "$site"/*.gz "$site"/*.png) as gzip" \
    "($(kib $(find "$site" -type f ! -name '*.br' ! -name '*.gz')) uncompressed)"

servers=()
logs="$(mktemp -d)"
trap 'kill "${servers[@]}" 2>/dev/null || true; rm -rf "$logs"' EXIT
# Serves a folder on a free port (its address in url), in the background once it listens; the
# server's output goes to a file.
serve() {
    local started pid
    started="$(/usr/bin/python3 scripts/web-serve.py "$1" --port 0 \
        --background "$logs/${#servers[@]}")"
    read -r url pid <<<"$started"
    servers+=("$pid")
}
serve "$site"
program_url=$url
serve "$bare"
bare_url=$url
/usr/bin/python3 bench/web/startup.py "$program_url" "$bare_url" "${1:-7}" "${@:2}"
