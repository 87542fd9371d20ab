#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A pupil solves a gap task of the addition trainer with the keyboard: "Lücke" shows the gap
# panel over the grid; a click on an empty number field puts the key symbol on it, typed digits
# are judged until the right one stands in the field. When the last gap is filled the task is
# acknowledged and the next gap task follows on the same panel.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/trainer.sh"

# The number fields of the addition's gap panel: a, b and the sum, thousands first. They lie
# where the trainer showing gap tasks puts the panel, over the task area (window FormN.Luecke).
GAPS=(luecke3 luecke2 luecke1 luecke6 luecke5 luecke4 luecke13 luecke12 luecke11 luecke10)
SOLVED_TITLE="Lückenaufgabe"

shots="$E2E_TMP/shots"
mkdir -p "$shots"
field() { shot_control "$TRAINER_WID" "$TRAINER_FORM.Luecke" "$1" "$shots/$2.png"; }
differ() { images_differ "$shots/$1.png" "$shots/$2.png"; }

open_start_window
open_trainer Bild1 "Schriftliche Addition"
activate "$TRAINER_WID"
bare_spot
[[ "$(colour_at "$TRAINER_WID" "$BARE_X" "$BARE_Y")" == "#C0C0FF" ]] ||
    fail "the task area of a column task is not the window's background"

# "Lücke"
click_control "$TRAINER_WID" "$TRAINER_FORM" Befehl13
sleep 0.5
[[ "$(colour_at "$TRAINER_WID" "$BARE_X" "$BARE_Y")" == "#8080FF" ]] ||
    fail "\"Lücke\" did not show the gap panel over the task area"

accepted=0
solved=""
for gap in "${GAPS[@]}"; do
    field "$gap" before
    click_control "$TRAINER_WID" "$TRAINER_FORM.Luecke" "$gap"
    sleep 0.3
    field "$gap" clicked
    # A given digit cannot be selected: the click leaves the field as it was.
    differ before clicked || continue
    box_shows "Fehler" 0.3 && fail "selecting the gap $gap brought an error box"

    find_right_key || fail "every key 0..9 was refused in the gap $gap"
    accepted=$((accepted + 1))
    if box_shows "$SOLVED_TITLE" 1; then
        solved=1
        break
    fi
    field "$gap" entered
    differ entered clicked || fail "the key symbol stayed on the gap $gap after the right key $RIGHT_DIGIT"
    differ entered before || fail "the right key $RIGHT_DIGIT left the gap $gap empty"
done

((accepted >= 1)) || fail "no empty gap field could be selected"
[[ -n "$solved" ]] || fail "$accepted gaps were filled, but the task was not acknowledged as solved"
box="$(wait_box "$SOLVED_TITLE")" || fail "the acknowledgement vanished"
activate "$box"
press Return
window_closed "$box" || fail "OK did not close the acknowledgement"
sleep 0.3
[[ "$(colour_at "$TRAINER_WID" "$BARE_X" "$BARE_Y")" == "#8080FF" ]] ||
    fail "the gap panel was not shown for the next task"
program_running || fail "the program ended"
echo "PASS: gap task solved with the keyboard ($accepted gaps)"
