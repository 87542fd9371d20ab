#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Children double-click. A double click on a picture of the start window opens its trainer once:
# the second click, which lands on whatever button of the trainer lies under the mouse ("+ +",
# "Lücke", "Blatt"), does nothing. The trainer shows a fresh single task with no worksheet and
# no gap panel.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/trainer.sh"

MIXED_PICTURE=4800
# "Ende" (Befehl1, 960,120, 855 x 495).
ENDE_X=1387
BUTTON_Y=367
# A spot of the task area that no field covers: the window's background in a column task, the
# worksheet list's or the gap panel's #8080FF when one of them lies over the task area.
BARE_X=1200
BARE_Y=900
# Just inside the top-left corner of the header "H  Z  E" of a single task; a multiple task puts
# the blackboard-blue cell of its third operand there instead.
HEADER_X=3660
HEADER_Y=1005
BACKGROUND="#C0C0FF"

open_start_window
for picture in "$PLUS_PICTURE:Schriftliche Addition" "$MINUS_PICTURE:Schriftliche Subtraktion" \
    "$MIXED_PICTURE:Schriftliche Addition und Subtraktion"; do
    left=${picture%%:*}
    title=${picture#*:}
    activate "$START_WID"
    # A hand does not double-click again at once.
    sleep 0.6
    open_trainer "$left" "$title" 2
    sleep 0.8
    bare="$(colour_at "$TRAINER_WID" "$BARE_X" "$BARE_Y")"
    [[ "$bare" == "$BACKGROUND" ]] ||
        fail "the second click opened the worksheet or the gap panel of \"$title\" ($bare)"
    header="$(colour_at "$TRAINER_WID" "$HEADER_X" "$HEADER_Y")"
    [[ "$header" == "$BACKGROUND" ]] ||
        fail "the second click switched \"$title\" to multiple tasks ($header)"
    echo "$title: opened once"
    activate "$TRAINER_WID"
    sleep 0.6
    click_twips "$TRAINER_WID" "$ENDE_X" "$BUTTON_Y"
    START_WID="$(wait_window "$START_WINDOW")" || fail "\"Ende\" did not lead back to the start window"
done

program_running || fail "the program ended"
echo "PASS: a double click on each picture opens its trainer once"
