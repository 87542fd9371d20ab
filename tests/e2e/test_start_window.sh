#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The exit picture asks before it ends the program: "Nein" keeps it running, "Ja" ends it.
source "$(dirname "$0")/lib.sh"

QUESTION="Schriftliche Addition und Subtraktion"

open_start_window

# The exit picture is Bild3.
click_control "$START_WID" Form0 Bild3
box="$(wait_window "$QUESTION")" || fail "the exit picture asked no question"
activate "$box"
press Escape
window_gone "$QUESTION" || fail "Escape did not close the exit question"
sleep 0.5
program_running || fail "answering No ended the program"
window_visible "$START_WINDOW" || fail "answering No hid the start window"

click_control "$START_WID" Form0 Bild3
box="$(wait_window "$QUESTION")" || fail "the exit picture asked no question the second time"
activate "$box"
# "Nein" is the default and has the focus; the only other button is "Ja".
press Tab
press space
wait_exit || fail "answering Yes did not end the program"
[[ "$PROGRAM_STATUS" == 0 ]] || fail "the program ended with status $PROGRAM_STATUS"
echo "PASS: exit question"
