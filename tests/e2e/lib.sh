# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the end-to-end tests: sourced by every tests/e2e/test_*.sh, which ctest calls with
# the program's path as $1. They run on the private X server (Xvfb + openbox) that the ctest
# fixture started (tests/e2e/session.sh), named by E2E_SESSION; whatever DISPLAY says is ignored,
# so a test never clicks or types into the user's desktop.
#
#   source "$(dirname "$0")/lib.sh"
#   open_start_window                       # start the program, wait for Form0: START_WID
#   click_control "$START_WID" Form0 Bild1  # the "Plus" picture (tests/controls.txt)
#   wid="$(wait_window "Schriftliche Addition")" || fail "no trainer"
#   press Escape; drag_twips "$wid" X1 Y1 X2 Y2; screenshot /tmp/shot.png
#   box="$(wait_box "Fehler")"; box_shows "Fehler" 1 && echo "refused"
#   shot_control "$wid" Form1 Bezeichnung22 a.png; ...; images_differ a.png b.png && echo "changed"
#   wait_exit || fail "the program did not end"
#
# Positions are twips of a window's client area (15 twips = 1 pixel at 96 dpi, E2E_DPI says the
# screen's), as the layout tables give them. Every wait has a timeout, so a missing window fails the test instead of
# hanging it.

set -uo pipefail

PROGRAM="${1:?usage: $0 PROGRAM}"

# The fixture's session, and no other display: without it the test refuses to run.
use_private_session() {
    local session="${E2E_SESSION:-}"
    if [[ -z "$session" || ! -f "$session" ]]; then
        echo "FAIL ($(basename "$0" .sh)): no private X session (E2E_SESSION=$session); run the" \
            "test through ctest, whose fixture starts one" >&2
        exit 1
    fi
    source "$session"
    if [[ "$(cat "/proc/$E2E_XVFB_PID/comm" 2>/dev/null)" != Xvfb ]]; then
        echo "FAIL ($(basename "$0" .sh)): the private X server ($E2E_DISPLAY) is gone" >&2
        exit 1
    fi
    export DISPLAY="$E2E_DISPLAY" XDG_RUNTIME_DIR="$E2E_RUNTIME_DIR" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}
use_private_session
# xdotool reads window titles in the locale's character set: "Lückenaufgabe" needs UTF-8.
export LC_ALL=C.UTF-8

E2E_NAME="$(basename "$0" .sh)"
E2E_TMP="$(mktemp -d)"
E2E_LOG="$E2E_TMP/program.log"
# Failure screenshots outlive the run (E2E_TMP is removed at the end).
E2E_ARTIFACTS="${E2E_ARTIFACTS:-${TMPDIR:-/tmp}/schriftlich-rechnen-e2e}"
E2E_TIMEOUT="${E2E_TIMEOUT:-10}"
PROGRAM_PID=""
PROGRAM_STATUS=""

e2e_cleanup() {
    if [[ -n "$PROGRAM_PID" ]] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
        kill "$PROGRAM_PID" 2>/dev/null
        wait "$PROGRAM_PID" 2>/dev/null
    fi
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT
trap "exit 130" INT TERM

# Ends the test as failed: says why, keeps a screenshot, shows what the program printed.
fail() {
    echo "FAIL ($E2E_NAME): $*" >&2
    mkdir -p "$E2E_ARTIFACTS"
    local shot="$E2E_ARTIFACTS/$E2E_NAME-failure.png"
    if screenshot "$shot"; then
        echo "screenshot: $shot" >&2
    fi
    if [[ -s "$E2E_LOG" ]]; then
        echo "--- program output" >&2
        tail -n 50 "$E2E_LOG" >&2
    fi
    exit 1
}

# Starts the program in the background; its output goes to the log shown on failure.
start_program() {
    "$PROGRAM" "$@" >"$E2E_LOG" 2>&1 &
    PROGRAM_PID=$!
    PROGRAM_STATUS=""
}

# The title of the program's first window.
START_WINDOW="Schriftliche Additon und Subtraktion"

# Starts the program and waits for its start window; its id is then in START_WID.
open_start_window() {
    start_program "$@"
    START_WID="$(wait_window "$START_WINDOW")" || fail "the start window was not shown"
}

# True while the program's process lives (a zombie that has ended counts as gone).
program_running() {
    [[ -n "$PROGRAM_PID" ]] || return 1
    local state
    state="$(awk '{print $3}' "/proc/$PROGRAM_PID/stat" 2>/dev/null)" || return 1
    [[ -n "$state" && "$state" != Z ]]
}

# Waits up to SECONDS (default E2E_TIMEOUT) for the program to end; sets PROGRAM_STATUS to its
# exit status. Fails (returns 1) when it is still running.
wait_exit() {
    local deadline=$((SECONDS + ${1:-$E2E_TIMEOUT}))
    while program_running; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
    wait "$PROGRAM_PID" 2>/dev/null
    PROGRAM_STATUS=$?
    PROGRAM_PID=""
    return 0
}

# xdotool matches titles as regular expressions: this one matches exactly the title given.
title_pattern() {
    printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\\.*^$+?(){}|]/\\&/g')"
}

# Prints the id of the visible window with exactly this title once it is mapped; fails after
# E2E_TIMEOUT seconds.
wait_window() {
    # A search ends with an X error when a window it looks at goes away meanwhile (Wine makes
    # and drops helper windows while a program starts), so it is asked again until the deadline.
    local deadline=$((SECONDS + E2E_TIMEOUT)) wid
    until wid="$(xdotool search --onlyvisible --name "$(title_pattern "$1")" 2>/dev/null |
        head -n1)" && [[ -n "$wid" ]]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
    echo "$wid"
}

# True when a visible window with exactly this title exists now.
window_visible() {
    xdotool search --onlyvisible --name "$(title_pattern "$1")" >/dev/null 2>&1
}

# Waits until no visible window has this title; fails after E2E_TIMEOUT seconds.
window_gone() {
    local deadline=$((SECONDS + E2E_TIMEOUT))
    while window_visible "$1"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# The id of a visible window titled TITLE other than the window EXCEPT (a message box may carry
# its window's title); fails after E2E_TIMEOUT seconds.
wait_box() {
    local title=$1 except=${2:-} deadline=$((SECONDS + E2E_TIMEOUT)) wid
    while ((SECONDS < deadline)); do
        for wid in $(xdotool search --onlyvisible --name "$(title_pattern "$title")" 2>/dev/null); do
            if [[ "$wid" != "$except" ]]; then
                echo "$wid"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Waits until the window with this id is unmapped or destroyed; fails after E2E_TIMEOUT seconds.
window_closed() {
    local deadline=$((SECONDS + E2E_TIMEOUT))
    while xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# True when a window titled TITLE becomes visible within SECONDS (fractions allowed): the way to
# tell that an action brought a message box, or, on false, that it brought none.
box_shows() {
    local deadline
    deadline="$(awk -v now="${EPOCHREALTIME/,/.}" -v wait="$2" 'BEGIN { printf "%.3f", now + wait }')"
    while true; do
        window_visible "$1" && return 0
        awk -v now="${EPOCHREALTIME/,/.}" -v end="$deadline" 'BEGIN { exit !(now < end) }' || return 1
        sleep 0.05
    done
}

# The screen's density in dots per inch: a program on a scaled screen (120 dpi at 125 %, 144 at
# 150 %) draws its layout E2E_DPI / 96 times as large.
E2E_DPI="${E2E_DPI:-96}"

# Twips to the nearest pixel of the layout, on the screen's pixels.
px() {
    echo $((($1 + 7) / 15 * E2E_DPI / 96))
}

# Moves the pointer to X,Y twips of the window's client area. Positions are taken relative to
# the client window itself: openbox reparents it into a frame, and `xdotool
# getwindowgeometry` then reports the position shifted by the frame. (No --sync: it waits for
# a motion that never comes when the pointer already stands there.)
pointer_twips() {
    xdotool mousemove --window "$1" "$(px "$2")" "$(px "$3")"
}

click_twips() {
    pointer_twips "$1" "$2" "$3" && xdotool click 1
}

# The program's controls by their names, in the table of their places (tests/controls.txt, made
# from the program's windows by tests/controls.sh): PLACE_X, PLACE_Y, PLACE_W, PLACE_H of the
# control NAME in WINDOW (an object name: Form0, Form1 .., Form1.Blatt with the worksheet view
# open, Form1.Luecke showing gap tasks), MID_X, MID_Y its middle.
CONTROLS_TABLE="$(dirname "${BASH_SOURCE[0]}")/../controls.txt"
place() {
    local found
    found="$(awk -v w="$1" -v n="$2" '$1 == w && $2 == n { print $3, $4, $5, $6; exit }' \
        "$CONTROLS_TABLE")"
    [[ -n "$found" ]] || fail "$CONTROLS_TABLE has no control $2 in $1"
    read -r PLACE_X PLACE_Y PLACE_W PLACE_H <<<"$found"
    MID_X=$((PLACE_X + PLACE_W / 2))
    MID_Y=$((PLACE_Y + PLACE_H / 2))
}

# Clicks the middle of the control NAME of WINDOW, shown in the X window WID:
#   click_control "$TRAINER_WID" Form1 Befehl14      "Blatt"
click_control() {
    place "$2" "$3"
    click_twips "$1" "$MID_X" "$MID_Y"
}

# A picture of the control NAME of WINDOW, shown in the X window WID, into FILE.
shot_control() {
    place "$2" "$3"
    shot_twips "$1" "$PLACE_X" "$PLACE_Y" "$PLACE_W" "$PLACE_H" "$4"
}

# Presses a key (xdotool key names: Escape, Return, alt+F4, 7 ...) in the focused window.
press() {
    xdotool key "$1"
}

# Drags with the left button from X1,Y1 to X2,Y2 (twips of the window's client area) in
# DRAG_STEPS small steps (default 10), as a hand would, so the toolkit sees a real drag. One
# xdotool run does it all: a test that drags fifty times should not wait for 600 processes.
drag_twips() {
    local wid=$1 x1=$2 y1=$3 x2=$4 y2=$5 steps=${DRAG_STEPS:-10} step
    local chain=(mousemove --window "$wid" "$(px "$x1")" "$(px "$y1")" mousedown 1)
    for ((step = 1; step <= steps; step++)); do
        chain+=(sleep 0.02 mousemove --window "$wid" "$(px $((x1 + (x2 - x1) * step / steps)))"
            "$(px $((y1 + (y2 - y1) * step / steps)))")
    done
    xdotool "${chain[@]}" sleep 0.05 mouseup 1
}

# Makes the window the active one and waits until the window manager has done it.
activate() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1
}

# The whole screen as a picture file.
screenshot() {
    import -window root "$1" 2>/dev/null
}

# A picture of the rectangle X,Y W x H (twips of the window's client area) as it is on screen.
shot_twips() {
    import -window "$1" -crop "$(px "$4")x$(px "$5")+$(px "$2")+$(px "$3")" +repage "$6" 2>/dev/null ||
        fail "no picture could be taken of window $1"
}

# True when two pictures of the same size differ in at least one pixel; ends the test when they
# cannot be compared (a missing file, different sizes).
images_differ() {
    compare -metric AE "$1" "$2" null: >/dev/null 2>&1
    case $? in
    0) return 1 ;;
    1) return 0 ;;
    *) fail "the pictures $1 and $2 could not be compared" ;;
    esac
}

# The colour (#RRGGBB) of the pixel at X,Y twips of the window's client area.
colour_at() {
    import -window "$1" -crop "1x1+$(px "$2")+$(px "$3")" +repage -depth 8 txt:- 2>/dev/null |
        grep -o '#[0-9A-Fa-f]\{6\}' | head -n1
}

# The whole message box with this id as a Windows program copies it with Ctrl+C: its title and
# its text, each under a dashed line, one line of the box to a line.
box_copied_text() {
    activate "$1"
    press ctrl+c
    sleep 0.3
    timeout 5 xclip -o -selection clipboard 2>/dev/null | sed 's/\r$//' | tr '\r' '\n'
}

# The first line of the text of the message box with this id. On X a triple click on it selects
# that line, and X hands the selection to whoever asks for it (xclip); the line is hit at 120, 20
# pixels of the box (at 96 dpi), right of an icon. A Windows program has no such selection, but
# copies the whole box.
box_first_line() {
    if [[ -n "${SR_WINDOWS_EXE:-}" ]]; then
        box_copied_text "$1" | sed -n 4p
        return
    fi
    activate "$1"
    xdotool mousemove --window "$1" $((120 * E2E_DPI / 96)) $((20 * E2E_DPI / 96)) \
        click --repeat 3 --delay 80 1
    sleep 0.2
    timeout 5 xclip -o -selection primary 2>/dev/null
}
