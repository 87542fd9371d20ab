#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Children double-click. A double click on a picture of the start window opens its trainer once:
# the second click, which lands on whatever button of the trainer lies under the mouse ("+ +",
# "Lücke", "Blatt"), does nothing. The trainer shows a fresh single task with no worksheet and
# no gap panel.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/trainer.sh"

BACKGROUND="#C0C0FF"

open_start_window
for picture in "Bild1:Schriftliche Addition" "Bild2:Schriftliche Subtraktion" \
    "Bild6:Schriftliche Addition und Subtraktion"; do
    name=${picture%%:*}
    title=${picture#*:}
    activate "$START_WID"
    # A hand does not double-click again at once.
    sleep 0.6
    open_trainer "$name" "$title" 2
    sleep 0.8
    bare_spot
    bare="$(colour_at "$TRAINER_WID" "$BARE_X" "$BARE_Y")"
    [[ "$bare" == "$BACKGROUND" ]] ||
        fail "the second click opened the worksheet or the gap panel of \"$title\" ($bare)"
    # Just inside the top-left corner of the header "H  Z  E" (Bezeichnung20) of a single task,
    # 4 and 3 pixels (60 and 45 twips) in, past its one-pixel frame; a multiple task parks the
    # header and shows the blackboard-blue cell of its third operand (Bezeichnung19) there.
    place "$TRAINER_FORM" Bezeichnung20
    header="$(colour_at "$TRAINER_WID" $((PLACE_X + 60)) $((PLACE_Y + 45)))"
    [[ "$header" == "$BACKGROUND" ]] ||
        fail "the second click switched \"$title\" to multiple tasks ($header)"
    echo "$title: opened once"
    activate "$TRAINER_WID"
    sleep 0.6
    # "Ende"
    click_control "$TRAINER_WID" "$TRAINER_FORM" Befehl1
    START_WID="$(wait_window "$START_WINDOW")" || fail "\"Ende\" did not lead back to the start window"
done

program_running || fail "the program ended"
echo "PASS: a double click on each picture opens its trainer once"
