# A private X server with a window manager, for ./test, the benchmarks and the screenshots.
# Sourced, not run:
#
#   source scripts/xsession.sh
#   start_x_session "$workdir"   # sets DISPLAY and XDG_RUNTIME_DIR; logs go to $workdir
#   ...
#   stop_x_session               # also safe when the session never started

XSESSION_XVFB_PID=""
XSESSION_OPENBOX_PID=""

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
    if [[ -n "$XSESSION_OPENBOX_PID" ]]; then kill "$XSESSION_OPENBOX_PID" 2>/dev/null || true; fi
    if [[ -n "$XSESSION_XVFB_PID" ]]; then kill "$XSESSION_XVFB_PID" 2>/dev/null || true; fi
    wait $XSESSION_OPENBOX_PID $XSESSION_XVFB_PID 2>/dev/null || true
    XSESSION_OPENBOX_PID=""
    XSESSION_XVFB_PID=""
}
