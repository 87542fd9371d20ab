#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser roads' web server, as a ctest fixture: scripts/web-serve.py on the built site, on a
# free port of 127.0.0.1. It outlives the set-up test, so its address and PID go into files that
# the roads (WEB_URL_FILE) and the clean-up read.
#
#   server.sh start DIR SITE   serves SITE; writes DIR/url and DIR/pid
#   server.sh stop DIR         ends it and removes DIR
set -euo pipefail

command="${1:?usage: $0 start DIR SITE | stop DIR}"
dir="${2:?usage: $0 start DIR SITE | stop DIR}"

# Ends the server recorded in DIR, if that PID is still the server (it may have been given to
# another process since an interrupted run).
stop() {
    local pid
    pid="$(cat "$dir/pid" 2>/dev/null)" || pid=""
    if [[ -n "$pid" ]] && grep -q web-serve.py "/proc/$pid/cmdline" 2>/dev/null; then
        kill "$pid"
        # A zombie (its parent, the set-up, is gone) has no command line left.
        while grep -q web-serve.py "/proc/$pid/cmdline" 2>/dev/null; do sleep 0.1; done
    fi
    rm -rf "$dir"
}

case "$command" in
start)
    site="${3:?usage: $0 start DIR SITE}"
    stop
    mkdir -p "$dir"
    [[ -f "$site/index.html" ]] || { echo "no site in $site (build it first)" >&2; exit 1; }
    # The address and PID come once the server listens; it goes on in the background.
    started="$(/usr/bin/python3 "$(dirname "$0")/../../scripts/web-serve.py" "$site" --port 0 \
        --background "$dir/server.log" </dev/null)"
    read -r url pid <<<"$started"
    echo "$url" >"$dir/url"
    echo "$pid" >"$dir/pid"
    echo "serving $site on $url"
    ;;
stop) stop ;;
*)
    echo "usage: $0 start DIR SITE | stop DIR" >&2
    exit 2
    ;;
esac
