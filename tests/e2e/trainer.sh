# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Helpers for driving a trainer window; source after lib.sh. A test cannot read the task, so it
# finds a field's digit by trying: a digit that brings no "Fehler" box is the right one.
#
#   open_trainer 2880 "Schriftliche Addition"     the start window's picture at Left 2880: TRAINER_WID
#   drop_digit 7 "$ONES_X" "$RESULT_Y"             drags the tile "7" onto the ones result cell
#   find_right_drop "$ONES_X" "$RESULT_Y"          tries the tiles 0..9 there: RIGHT_DIGIT,
#                                                  WRONG_TRIES
#   key_digit 7                                    types 7 on the keyboard
#
# Positions are twips of the trainer's client area: the top-left corner of a field (add half its
# size to hit its middle).

# The start window's pictures (Left; Top 960, 495 x 495).
PLUS_PICTURE=2880
MINUS_PICTURE=3840

# Result cells (Top 3720, 495 x 495) and their columns.
RESULT_Y=3720
THOUSANDS_X=3000
HUNDREDS_X=3600
TENS_X=4200
ONES_X=4800
CELL=495

# The points display Bezeichnung22 and the error display Bezeichnung23, 375 x 255.
POINTS_X=300
POINTS_Y=2040
ERRORS_X=300
ERRORS_Y=2760

# The seconds a right entry is given to show that no error box comes.
ERROR_BOX_WAIT="${ERROR_BOX_WAIT:-1}"

# Clicks the start window's picture at Left LEFT and waits for the trainer titled TITLE; its id is
# then in TRAINER_WID. A third argument of 2 double-clicks (two clicks 80 ms apart).
open_trainer() {
    pointer_twips "$START_WID" $(($1 + 240)) 1200
    xdotool click --repeat "${3:-1}" --delay 80 1
    TRAINER_WID="$(wait_window "$2")" || fail "the start window's picture did not show \"$2\""
    window_gone "$START_WINDOW" || fail "the start window stayed visible beside \"$2\""
}

# Clicks the middle of the field whose top-left corner is X,Y.
click_field() {
    click_twips "$TRAINER_WID" $(($1 + CELL / 2)) $(($2 + CELL / 2))
}

# Drags the tile of DIGIT (Top 4560, Left 960 + 600 x DIGIT) onto the middle of the field at X,Y.
drop_digit() {
    drag_twips "$TRAINER_WID" $((960 + 600 * $1 + CELL / 2)) $((4560 + CELL / 2)) \
        $(($2 + CELL / 2)) $(($3 + CELL / 2))
}

# Types DIGIT on the main keyboard into the active trainer window.
key_digit() {
    activate "$TRAINER_WID"
    press "$1"
}

# After an entry: true when a "Fehler" box comes within ERROR_BOX_WAIT seconds, i.e. the entry
# was refused; it is left open.
error_box_shows() {
    box_shows "Fehler" "$ERROR_BOX_WAIT"
}

# Closes the open "Fehler" box with OK and waits until the trainer is active again.
close_error_box() {
    local box
    box="$(wait_box "Fehler")" || fail "the error box vanished before it could be closed"
    activate "$box"
    press Return
    window_closed "$box" || fail "OK did not close the error box"
    # One entry is judged once: no second box follows when the first closes.
    box_shows "Fehler" 0.3 && fail "the entry was judged again after its error box closed"
    activate "$TRAINER_WID" || fail "the trainer did not become active again after the error box"
}

# After an entry: true when it was refused (the "Fehler" box is then closed), false when no box
# came.
entry_refused() {
    error_box_shows || return 1
    close_error_box
}

# Enters 0..9 with the command given (drop_digit X Y, or key_digit) until one is not refused:
# that digit is then in RIGHT_DIGIT and the number of refused ones in WRONG_TRIES. False when
# all ten were refused.
find_right_with() {
    local enter=$1 digit
    shift
    WRONG_TRIES=0
    for digit in 0 1 2 3 4 5 6 7 8 9; do
        "$enter" "$digit" "$@"
        if ! entry_refused; then
            RIGHT_DIGIT=$digit
            return 0
        fi
        WRONG_TRIES=$((WRONG_TRIES + 1))
    done
    return 1
}

# Drops the tiles on the field at X,Y until one is not refused.
find_right_drop() {
    find_right_with drop_digit "$1" "$2"
}

# Types digits until one is not refused. Needs a selected field.
find_right_key() {
    find_right_with key_digit
}

# With the worksheet view open in trainer window WID titled TITLE: clicks the print button at
# Left X twips of the window, types POINTS into the printer lock's password box and answers the
# print question with Yes.
print_past_lock() {
    local wid=$1 x=$2 points=$3 title=$4 box
    activate "$wid"
    click_twips "$wid" "$x" 367
    box="$(wait_box "Druckersperre aufheben")" || fail "printing did not ask for the password"
    activate "$box"
    press ctrl+a
    xdotool type --delay 50 "$points"
    press Return
    window_closed "$box" || fail "the password box stayed open"
    box="$(wait_box "$title" "$wid")" || fail "the password $points was refused"
    activate "$box"
    # "Nein" is the default button; Tab moves to "Ja" and the space bar presses it.
    press Tab
    press space
}
