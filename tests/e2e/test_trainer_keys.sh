#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A pupil clicks the empty tens cell of the subtraction trainer's result row: the key symbol
# covers it. Typed digits are judged at once; wrong ones bring "Fehler" and leave the key symbol
# where it is, the right one brings no box, ends the selection and stays in the cell.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/trainer.sh"

shots="$E2E_TMP/shots"
mkdir -p "$shots"
tens() { shot_field Bezeichnung12 "$shots/$1.png"; }
points() { shot_field Bezeichnung22 "$shots/$1.png"; }
differ() { images_differ "$shots/$1.png" "$shots/$2.png"; }

open_start_window
open_trainer Bild2 "Schriftliche Subtraktion"
activate "$TRAINER_WID"
tens empty
points points-before

click_field Bezeichnung12
sleep 0.3
tens key-symbol
differ key-symbol empty || fail "clicking the empty tens cell showed no key symbol on it"
box_shows "Fehler" 0.5 && fail "clicking a cell brought an error box"

right=""
wrong=0
for digit in 0 1 2 3 4 5 6 7 8 9; do
    key_digit "$digit"
    if ! entry_refused; then
        right=$digit
        break
    fi
    wrong=$((wrong + 1))
    tens still-selected
    differ still-selected key-symbol && fail "the wrong key $digit moved the key symbol or wrote into the cell"
done
[[ -n "$right" ]] || fail "every key 0..9 was refused on the tens cell"
sleep 0.2

tens entered
differ entered key-symbol || fail "the key symbol stayed on the cell after the right key $right"
differ entered empty || fail "the right key $right left the cell empty"
points points-after
differ points-before points-after || fail "the right key $right did not change the points display"

# The selection has ended: another digit key is ignored, no box comes.
key_digit "$right"
box_shows "Fehler" "$ERROR_BOX_WAIT" && fail "a key after the entry was judged although no cell was selected"
tens after-key
differ after-key entered && fail "a key after the entry changed the cell"

program_running || fail "the program ended"
echo "PASS: key symbol and keyboard entry (right key $right after $wrong wrong ones)"
