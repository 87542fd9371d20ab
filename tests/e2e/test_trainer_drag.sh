#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A pupil drags digit tiles onto the ones cell of the addition trainer's result row: a wrong tile
# brings "Fehler", stands in the cell while the box is open, is gone after OK and counts an error;
# the right tile brings no box, stays and counts a point.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/trainer.sh"

shots="$E2E_TMP/shots"
mkdir -p "$shots"
ones() { shot_field Bezeichnung13 "$shots/$1.png"; }
points() { shot_field Bezeichnung22 "$shots/$1.png"; }
errors() { shot_field Bezeichnung23 "$shots/$1.png"; }
differ() { images_differ "$shots/$1.png" "$shots/$2.png"; }

open_start_window
open_trainer Bild1 "Schriftliche Addition"
activate "$TRAINER_WID"
ones empty
points points-before

wrong_seen=""
right=""
for digit in 0 1 2 3 4 5 6 7 8 9; do
    errors errors-before
    points points-then
    drop_digit "$digit" Bezeichnung13
    if error_box_shows; then
        ones wrong-shown
        differ wrong-shown empty || fail "the wrong tile $digit did not stand in the cell while the box was open"
        close_error_box
        sleep 0.2
        errors errors-after
        differ errors-before errors-after || fail "the wrong tile $digit did not change the error display"
        ones wrong-gone
        differ wrong-gone empty && fail "the wrong tile $digit stayed in the cell after OK"
        points points-now
        differ points-then points-now && fail "the wrong tile $digit changed the points display"
        wrong_seen=$digit
    else
        right=$digit
        break
    fi
done
[[ -n "$right" ]] || fail "every tile 0..9 was refused on the ones cell"
sleep 0.2
points points-after
differ points-before points-after || fail "the right tile $right did not change the points display"
ones right-stays
differ right-stays empty || fail "the right tile $right did not stay in the cell"
errors errors-right
differ errors-before errors-right && fail "the right tile $right changed the error display"

if [[ -z "$wrong_seen" ]]; then
    # "0" was right at once: a wrong tile dropped on the filled cell is refused and empties it.
    wrong_seen=$(((right + 1) % 10))
    errors errors-before
    drop_digit "$wrong_seen" Bezeichnung13
    error_box_shows || fail "the wrong tile $wrong_seen brought no \"Fehler\" box"
    close_error_box
    sleep 0.2
    errors errors-after
    differ errors-before errors-after || fail "the wrong tile $wrong_seen did not change the error display"
    ones wrong-gone
    differ wrong-gone empty && fail "the wrong tile $wrong_seen stayed in the cell after OK"
fi

window_visible "Schriftliche Addition" || fail "the trainer is no longer shown"
program_running || fail "the program ended"
echo "PASS: drag and drop on the result row (right digit $right, a wrong one $wrong_seen)"
