#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The private X session of the end-to-end tests, as a ctest fixture. ctest runs set-up and clean-up
# as tests of their own, so the X server outlives the set-up: its PIDs and display go into a file
# that lib.sh and the clean-up read.
#
#   session.sh start DIR   Xvfb and openbox in the background; writes DIR/session.env
#   session.sh stop DIR    ends them and removes DIR
set -euo pipefail
source "$(dirname "$0")/../../scripts/xsession.sh"

command="${1:?usage: $0 start|stop DIR}"
dir="${2:?usage: $0 start|stop DIR}"
env_file="$dir/session.env"

# Ends the session recorded in DIR, if its processes are still the ones it started (a PID may
# have been given to another process since an interrupted run).
stop() {
    if [[ -f "$env_file" ]]; then
        source "$env_file"
        [[ "$(cat "/proc/$E2E_XVFB_PID/comm" 2>/dev/null)" == Xvfb ]] &&
            XSESSION_XVFB_PID="$E2E_XVFB_PID"
        [[ "$(cat "/proc/$E2E_OPENBOX_PID/comm" 2>/dev/null)" == openbox ]] &&
            XSESSION_OPENBOX_PID="$E2E_OPENBOX_PID"
        stop_x_session
    fi
    rm -rf "$dir"
}

case "$command" in
start)
    stop
    mkdir -p -m 0700 "$dir"
    start_x_session "$dir"
    cat >"$env_file" <<ENV
E2E_DISPLAY=$DISPLAY
E2E_RUNTIME_DIR=$XDG_RUNTIME_DIR
E2E_XVFB_PID=$XSESSION_XVFB_PID
E2E_OPENBOX_PID=$XSESSION_OPENBOX_PID
ENV
    echo "private X session on display $DISPLAY"
    ;;
stop) stop ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
