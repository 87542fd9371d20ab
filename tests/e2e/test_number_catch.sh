#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The 50th point offers the number-catch game: the pupil drops the right ones digit of a task
# again and again (each drop is a point), clicks the offer, confirms the announcement, moves the
# "+" with the cursor keys, leaves with Escape and "Ja" and is back on the start window.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/trainer.sh"

GAME="Zahlfange"
# Form4's client area in pixels.
place Form4 Form4
GAME_SIZE="$(px "$PLACE_W")x$(px "$PLACE_H")"
# The game draws on a grid of its own, not in controls: a cell is 14 x 14 points (280 twips), its
# text at (280 x column, 280 x row) twips of the client area (src/games/CatchField.cpp); the "+"
# starts on column 14, row 9 (src/games/NumberCatch.h).
FIELD_CELL=280
PLAYER_COLUMN=14
PLAYER_ROW=9

shots="$E2E_TMP/shots"
mkdir -p "$shots"
# The addition trainer's number-catch offer is the label Bezeichnung26.
offer() { shot_field Bezeichnung26 "$shots/$1.png"; }
cell() {
    shot_twips "$game" $(($1 * FIELD_CELL)) $(($2 * FIELD_CELL)) "$FIELD_CELL" "$FIELD_CELL" \
        "$shots/$3.png"
}
differ() { images_differ "$shots/$1.png" "$shots/$2.png"; }

open_start_window
open_trainer Bild1 "Schriftliche Addition"
activate "$TRAINER_WID"
offer hidden

find_right_drop Bezeichnung13 || fail "every tile 0..9 was refused on the ones cell"
points=1
# Each drop of the right digit on the filled cell is one more point; the 49th point must not show
# the offer yet, the 50th must. Short drags keep the fifty within the test's time.
export DRAG_STEPS=4
while ((points < 49)); do
    drop_digit "$RIGHT_DIGIT" Bezeichnung13
    points=$((points + 1))
    window_visible "Fehler" && fail "dropping the right digit $RIGHT_DIGIT again was refused (point $points)"
done
box_shows "Fehler" 0.5 && fail "dropping the right digit $RIGHT_DIGIT again was refused"
sleep 0.3
offer at-49
differ hidden at-49 && fail "the number-catch offer was shown before the 50th point"
drop_digit "$RIGHT_DIGIT" Bezeichnung13
box_shows "Fehler" 0.5 && fail "the 50th point was refused"
sleep 0.3
offer at-50
differ hidden at-50 || fail "the 50th point did not show the number-catch offer"

click_field Bezeichnung26
announcement="$(wait_box "$GAME")" || fail "clicking the offer brought no announcement"
activate "$announcement"
press Return
window_closed "$announcement" || fail "OK did not close the announcement"

# The game's window carries the announcement's title; it is the one of the game's size.
game=""
deadline=$((SECONDS + E2E_TIMEOUT))
while [[ -z "$game" ]] && ((SECONDS < deadline)); do
    for wid in $(xdotool search --onlyvisible --name "$(title_pattern "$GAME")" 2>/dev/null); do
        xdotool getwindowgeometry "$wid" | grep -q "Geometry: $GAME_SIZE" && game=$wid
    done
    [[ -n "$game" ]] || sleep 0.1
done
[[ -n "$game" ]] || fail "no game window of $GAME_SIZE pixels was shown after the announcement"
window_gone "Schriftliche Addition" || fail "the trainer stayed visible beside the game"
activate "$game" || fail "the game window could not be activated"

# Right draws the "+" one column further; Left brings it back and erases it there.
cell $((PLAYER_COLUMN + 1)) "$PLAYER_ROW" right-before
cell "$PLAYER_COLUMN" "$PLAYER_ROW" left-before
press Right
sleep 0.3
cell $((PLAYER_COLUMN + 1)) "$PLAYER_ROW" right-after
differ right-before right-after || fail "cursor right did not draw the \"+\" one column further"
press Left
sleep 0.3
cell "$PLAYER_COLUMN" "$PLAYER_ROW" left-after
differ left-before left-after || fail "cursor left did not draw the \"+\" back on its first column"
cell $((PLAYER_COLUMN + 1)) "$PLAYER_ROW" right-left
differ right-after right-left || fail "cursor left did not erase the \"+\" it left"

press Escape
question="$(wait_box "$GAME" "$game")" || fail "Escape did not ask whether to end the game"
activate "$question"
press Return
window_closed "$question" || fail "Return did not answer the end question"
wait_window "$START_WINDOW" >/dev/null || fail "ending the game did not bring back the start window"
window_gone "$GAME" || fail "a \"$GAME\" window stayed visible after the game ended"
window_visible "Schriftliche Addition" && fail "the game returned to the trainer, not the start window"
program_running || fail "the program ended"
echo "PASS: number-catch offer at 50 points, game moves and ends"
