# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A private X server with a window manager, for the end-to-end tests' ctest fixture
# (tests/e2e/session.sh: start_x_session, stop_x_session), the benchmarks and the screenshots.
# Sourced, not run:
#
#   source scripts/xsession.sh
#   open_x_session         # sets DISPLAY and XDG_RUNTIME_DIR; scratch folder XSESSION_DIR
#   x_launch PROGRAM ARGS  # in the background, output to XSESSION_DIR/program.log
#   x_finish               # ends it
#
# When the script exits, a program still running, the session and the scratch folder (mode
# 0700, it holds the logs) are gone.

XSESSION_DIR=""
XSESSION_PROGRAM_PID=""
XSESSION_XVFB_PID=""
XSESSION_OPENBOX_PID=""

open_x_session() {
    XSESSION_DIR="$(mktemp -d)"
    trap close_x_session EXIT
    trap "exit 130" INT TERM
    start_x_session "$XSESSION_DIR"
}

x_launch() {
    "$@" >>"$XSESSION_DIR/program.log" 2>&1 &
    XSESSION_PROGRAM_PID=$!
}

x_finish() {
    if [[ -n "$XSESSION_PROGRAM_PID" ]]; then
        kill "$XSESSION_PROGRAM_PID" 2>/dev/null || true
        wait "$XSESSION_PROGRAM_PID" 2>/dev/null || true
        XSESSION_PROGRAM_PID=""
    fi
    return 0
}

close_x_session() {
    x_finish
    stop_x_session
    if [[ -n "$XSESSION_DIR" ]]; then rm -rf "$XSESSION_DIR"; fi
}

start_x_session() {
    local workdir="$1"
    export XDG_RUNTIME_DIR="$workdir/runtime"
    mkdir -p -m 0700 "$XDG_RUNTIME_DIR"

    # Xvfb picks a free display number itself and writes it to the descriptor.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$workdir/display" \
        >"$workdir/xvfb.log" 2>&1 &
    XSESSION_XVFB_PID=$!
    for _ in $(seq 100); do
        [[ -s "$workdir/display" ]] && break
        sleep 0.1
    done
    [[ -s "$workdir/display" ]] || { cat "$workdir/xvfb.log"; echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$workdir/display")"

    openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
    XSESSION_OPENBOX_PID=$!
    # A freshly started openbox refuses the first activations until it has announced itself.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' ||
        { cat "$workdir/openbox.log"; echo "openbox did not start" >&2; return 1; }
    sleep 0.5
}

stop_x_session() {
    local pid
    if [[ -n "$XSESSION_OPENBOX_PID" ]]; then kill "$XSESSION_OPENBOX_PID" 2>/dev/null || true; fi
    if [[ -n "$XSESSION_XVFB_PID" ]]; then kill "$XSESSION_XVFB_PID" 2>/dev/null || true; fi
    wait $XSESSION_OPENBOX_PID $XSESSION_XVFB_PID 2>/dev/null || true
    # A session started by another shell (the ctest fixture) cannot be waited for: watch it go.
    for pid in $XSESSION_OPENBOX_PID $XSESSION_XVFB_PID; do
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
    done
    XSESSION_OPENBOX_PID=""
    XSESSION_XVFB_PID=""
}
