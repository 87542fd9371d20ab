#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A pupil solves a gap task of the addition trainer with the keyboard: "Lücke" shows the gap
# panel over the grid; a click on an empty number field puts the key symbol on it, typed digits
# are judged until the right one stands in the field. When the last gap is filled the task is
# acknowledged and the next gap task follows on the same panel.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/trainer.sh"

# "Lücke" (Befehl13) at 4320,120, 855 x 495.
LUECKE_X=4747
BUTTON_Y=367
# A spot of the task area that no field covers: window background in a column task, the gap
# panel's #8080FF while a gap task is shown.
BARE_X=1200
BARE_Y=900
# The number fields of the addition layout (panel at 960,720): a, b and the sum, thousands first.
FIELDS=(
    "$((960 + 2640)) $((720 + 600))" "$((960 + 3240)) $((720 + 600))" "$((960 + 3840)) $((720 + 600))"
    "$((960 + 2640)) $((720 + 1320))" "$((960 + 3240)) $((720 + 1320))" "$((960 + 3840)) $((720 + 1320))"
    "$((960 + 2040)) $((720 + 2640))" "$((960 + 2640)) $((720 + 2640))"
    "$((960 + 3240)) $((720 + 2640))" "$((960 + 3840)) $((720 + 2640))"
)
SOLVED_TITLE="Lückenaufgabe"

shots="$E2E_TMP/shots"
mkdir -p "$shots"
field() { shot_twips "$TRAINER_WID" "$1" "$2" "$CELL" "$CELL" "$shots/$3.png"; }
differ() { images_differ "$shots/$1.png" "$shots/$2.png"; }

open_start_window
open_trainer "$PLUS_PICTURE" "Schriftliche Addition"
activate "$TRAINER_WID"
[[ "$(colour_at "$TRAINER_WID" "$BARE_X" "$BARE_Y")" == "#C0C0FF" ]] ||
    fail "the task area of a column task is not the window's background"

click_twips "$TRAINER_WID" "$LUECKE_X" "$BUTTON_Y"
sleep 0.5
[[ "$(colour_at "$TRAINER_WID" "$BARE_X" "$BARE_Y")" == "#8080FF" ]] ||
    fail "\"Lücke\" did not show the gap panel over the task area"

accepted=0
solved=""
for spot in "${FIELDS[@]}"; do
    read -r x y <<<"$spot"
    field "$x" "$y" before
    click_field "$x" "$y"
    sleep 0.3
    field "$x" "$y" clicked
    # A given digit cannot be selected: the click leaves the field as it was.
    differ before clicked || continue
    box_shows "Fehler" 0.3 && fail "selecting the gap at $x,$y brought an error box"

    find_right_key || fail "every key 0..9 was refused in the gap at $x,$y"
    accepted=$((accepted + 1))
    if box_shows "$SOLVED_TITLE" 1; then
        solved=1
        break
    fi
    field "$x" "$y" entered
    differ entered clicked || fail "the key symbol stayed on the gap at $x,$y after the right key $RIGHT_DIGIT"
    differ entered before || fail "the right key $RIGHT_DIGIT left the gap at $x,$y empty"
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
