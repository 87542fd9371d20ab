#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A digit key counts by the key, whatever the keyboard layout makes of it: on German, Swiss, US,
# French and Belgian keyboards the key that carries digit d on the main row enters d pressed
# alone and with Shift (AZERTY keeps the digits on Shift); with AltGr on the German one too. The
# keypad keeps counting. Keys are sent as X keycodes, the physical keys 10..19 of the main row
# (1..9, 0), so every layout gets the very same keys.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/trainer.sh"

layout_before="$(setxkbmap -query | awk '/^layout:/ { print $2 }')"
restore_layout() {
    setxkbmap "${layout_before:-us}"
}
trap 'restore_layout; e2e_cleanup' EXIT

shots="$E2E_TMP/shots"
mkdir -p "$shots"
points() { shot_field Bezeichnung22 "$shots/$1.png"; }

# The X keycode of the main-row key of DIGIT.
keycode() {
    echo $((10 + ($1 + 9) % 10))
}
MODIFIER=""
# Presses the main-row key of DIGIT with MODIFIER held (none when empty).
main_row_digit() {
    activate "$TRAINER_WID"
    press "${MODIFIER:+$MODIFIER+}$(keycode "$1")"
}
keypad_digit() {
    activate "$TRAINER_WID"
    press "KP_$1"
}

# Selects the empty result cell NAME and finds its digit with ENTER (main_row_digit or
# keypad_digit): exactly one of 0..9 must be taken, and it must earn a point.
finds_digit_with() {
    local name=$1 enter=$2 how=$3
    points before
    click_field "$name"
    sleep 0.3
    find_right_with "$enter" ||
        fail "$layout: every digit $how was refused (ten \"Fehler\" boxes)"
    sleep 0.2
    points after
    images_differ "$shots/before.png" "$shots/after.png" ||
        fail "$layout: the digit $RIGHT_DIGIT $how brought no box but earned no point"
    echo "$layout: $how: digit $RIGHT_DIGIT after $WRONG_TRIES refused"
    # The third digit of a sum below 1000 solves the task: its box is closed.
    if box_shows "Plusaufgabe" 0.5; then
        local box
        box="$(wait_box "Plusaufgabe" "$TRAINER_WID")" || fail "the solved box vanished"
        activate "$box"
        press Return
        window_closed "$box" || fail "Return did not close the solved box"
    fi
}

open_start_window
open_trainer Bild1 "Schriftliche Addition"
activate "$TRAINER_WID"

for layout in de ch us fr be; do
    setxkbmap "$layout" || fail "the layout $layout could not be set"
    # "+" (Befehl21) draws a new single task.
    click_control "$TRAINER_WID" "$TRAINER_FORM" Befehl21
    sleep 0.3
    MODIFIER=shift finds_digit_with Bezeichnung13 main_row_digit "with Shift"
    MODIFIER="" finds_digit_with Bezeichnung12 main_row_digit "alone"
    case $layout in
    de) MODIFIER=ISO_Level3_Shift finds_digit_with Bezeichnung11 main_row_digit "with AltGr" ;;
    us) finds_digit_with Bezeichnung11 keypad_digit "on the keypad" ;;
    esac
done

restore_layout
program_running || fail "the program ended"
echo "PASS: digit keys count by the key on the layouts de, ch, us, fr and be"
