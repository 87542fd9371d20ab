#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A teacher opens a worksheet in the addition trainer and copies it; another program reads it
# from the clipboard: task half, two empty lines, solution half, every line in the worksheet's
# layout, every sum right, each line ended by CR LF (or by LF where E2E_CLIPBOARD_LINE_END says
# so: Wine hands Windows text to X that way).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/trainer.sh"
source "$(dirname "$0")/worksheet.sh"

open_start_window
open_trainer Bild1 "Schriftliche Addition"
activate "$TRAINER_WID"

# "Blatt" (Befehl14) opens the worksheet view.
click_control "$TRAINER_WID" "$TRAINER_FORM" Befehl14
sleep 0.5
clip="$E2E_TMP/clipboard.txt"
copy_worksheet "$clip"
why="$(addition_sheet_ok "$clip")" || fail "the copied worksheet is not in its layout: $why"
if [[ "${E2E_CLIPBOARD_LINE_END:-CRLF}" == LF ]]; then
    ! grep -q $'\r' "$clip" || fail "the clipboard text holds carriage returns"
else
    [[ "$(grep -c $'\r$' "$clip")" == 76 ]] || fail "not every line of the clipboard ends in CR LF"
fi
program_running || fail "the program ended"
echo "PASS: worksheet copied in its layout"
