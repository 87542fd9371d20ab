# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Helpers for driving a trainer window; source after lib.sh. A test cannot read the task, so it
# finds a field's digit by trying: a digit that brings no "Fehler" box is the right one.
#
#   open_trainer Bild1 "Schriftliche Addition"    clicks the start window's picture Bild1 (Plus):
#                                                 TRAINER_WID, TRAINER_FORM (Form1)
#   drop_digit 7 Bezeichnung13                    drags the tile "7" onto the ones result cell
#   shot_field Bezeichnung22 points.png           a picture of the points display
#   find_right_drop Bezeichnung13                 tries the tiles 0..9 there: RIGHT_DIGIT,
#                                                 WRONG_TRIES
#   key_digit 7                                   types 7 on the keyboard
#
# Fields are named as in the trainer's table of controls (tests/controls.txt, window
# TRAINER_FORM): the result cells Bezeichnung10 (thousands), 11 (hundreds), 12 (tens) and 13
# (ones), the points display Bezeichnung22, the error display Bezeichnung23.

# The seconds a right entry is given to show that no error box comes.
ERROR_BOX_WAIT="${ERROR_BOX_WAIT:-1}"

# Clicks the start window's picture PICTURE (Bild1 "Plus", Bild2 "Minus", Bild6 mixed) and waits
# for the trainer titled TITLE; its id is then in TRAINER_WID, its object name (Form1, Form2,
# Form3) in TRAINER_FORM. A third argument of 2 double-clicks (two clicks 80 ms apart).
open_trainer() {
    case $1 in
    Bild1) TRAINER_FORM=Form1 ;;
    Bild2) TRAINER_FORM=Form2 ;;
    Bild6) TRAINER_FORM=Form3 ;;
    *) fail "the start window's picture $1 opens no trainer" ;;
    esac
    place Form0 "$1"
    pointer_twips "$START_WID" "$MID_X" "$MID_Y"
    xdotool click --repeat "${3:-1}" --delay 80 1
    TRAINER_WID="$(wait_window "$2")" || fail "the start window's picture did not show \"$2\""
    window_gone "$START_WINDOW" || fail "the start window stayed visible beside \"$2\""
}

# Clicks the middle of the trainer's control NAME (a field, a button, an offer).
click_field() {
    click_control "$TRAINER_WID" "$TRAINER_FORM" "$1"
}

# A picture of the trainer's control NAME into FILE.
shot_field() {
    shot_control "$TRAINER_WID" "$TRAINER_FORM" "$1" "$2"
}

# A spot of the task area that no field covers, in BARE_X, BARE_Y: the middle of its empty
# top-left corner, between the corner of its frame (Linie3 on the left, Linie2 on top) and the
# operator cell Bezeichnung21. It shows the window's background in a column task, the worksheet
# list's or the gap panel's #8080FF when one of them lies over the task area.
bare_spot() {
    local left top
    place "$TRAINER_FORM" Linie3
    left=$((PLACE_X + PLACE_W))
    place "$TRAINER_FORM" Linie2
    top=$((PLACE_Y + PLACE_H))
    place "$TRAINER_FORM" Bezeichnung21
    BARE_X=$(((left + PLACE_X) / 2))
    BARE_Y=$(((top + PLACE_Y) / 2))
}

# Drags the tile of DIGIT (Befehl2 .. Befehl11 for 0 .. 9) onto the middle of the field NAME.
drop_digit() {
    local tile_x tile_y
    place "$TRAINER_FORM" "Befehl$(($1 + 2))"
    tile_x=$MID_X
    tile_y=$MID_Y
    place "$TRAINER_FORM" "$2"
    drag_twips "$TRAINER_WID" "$tile_x" "$tile_y" "$MID_X" "$MID_Y"
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

# Enters 0..9 with the command given (drop_digit NAME, or key_digit) until one is not refused:
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

# Drops the tiles on the field NAME until one is not refused.
find_right_drop() {
    find_right_with drop_digit "$1"
}

# Types digits until one is not refused. Needs a selected field.
find_right_key() {
    find_right_with key_digit
}

# With the trainer's worksheet view open: clicks its print button NAME (Befehl17 "Aufgaben
# drucken", Befehl18 "Lösungen drucken"), types POINTS into the printer lock's password box and
# answers the print question of the trainer titled TITLE with Yes.
print_past_lock() {
    local name=$1 points=$2 title=$3 box
    activate "$TRAINER_WID"
    click_control "$TRAINER_WID" "$TRAINER_FORM.Blatt" "$name"
    box="$(wait_box "Druckersperre aufheben")" || fail "printing did not ask for the password"
    activate "$box"
    press ctrl+a
    xdotool type --delay 50 "$points"
    press Return
    window_closed "$box" || fail "the password box stayed open"
    box="$(wait_box "$title" "$TRAINER_WID")" || fail "the password $points was refused"
    activate "$box"
    # "Nein" is the default button; Tab moves to "Ja" and the space bar presses it.
    press Tab
    press space
}
