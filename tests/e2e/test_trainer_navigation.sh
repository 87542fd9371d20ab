#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# "Plus" on the start window hands over to the addition trainer; its "Ende" hands back.
source "$(dirname "$0")/lib.sh"

TRAINER="Schriftliche Addition"

open_start_window

# Bild1 is "Plus".
click_control "$START_WID" Form0 Bild1
trainer="$(wait_window "$TRAINER")" || fail "\"Plus\" did not show the addition trainer"
window_gone "$START_WINDOW" || fail "the start window stayed visible beside the trainer"

# Befehl1 is "Ende".
click_control "$trainer" Form1 Befehl1
wait_window "$START_WINDOW" >/dev/null || fail "\"Ende\" did not bring back the start window"
window_gone "$TRAINER" || fail "the trainer stayed visible after \"Ende\""
program_running || fail "the program ended on \"Ende\""
echo "PASS: trainer navigation"
