#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Closing the start window through the window manager ends the program without a question.
source "$(dirname "$0")/lib.sh"

open_start_window
activate "$START_WID" || fail "the start window could not be activated"
# The window manager's own close shortcut, as a pupil's click on the close box would do.
press alt+F4
wait_exit || fail "closing the start window did not end the program"
[[ "$PROGRAM_STATUS" == 0 ]] || fail "the program ended with status $PROGRAM_STATUS"
window_visible "Schriftliche Addition und Subtraktion" && fail "a question was asked on closing"
echo "PASS: close box ends the program"
