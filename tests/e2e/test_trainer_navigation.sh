#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# "Plus" on the start window hands over to the addition trainer; its "Ende" hands back.
source "$(dirname "$0")/lib.sh"

TRAINER="Schriftliche Addition"

open_start_window

# Bild1 ("Plus") stands at 2880,960, 495 x 495.
click_twips "$START_WID" 3120 1200
trainer="$(wait_window "$TRAINER")" || fail "\"Plus\" did not show the addition trainer"
window_gone "$START_WINDOW" || fail "the start window stayed visible beside the trainer"

# Befehl1 ("Ende") stands at 960,120, 855 x 495 in the trainer's client area.
click_twips "$trainer" 1380 360
wait_window "$START_WINDOW" >/dev/null || fail "\"Ende\" did not bring back the start window"
window_gone "$TRAINER" || fail "the trainer stayed visible after \"Ende\""
program_running || fail "the program ended on \"Ende\""
echo "PASS: trainer navigation"
