#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC1003,SC2119 # Windows' backslashes; lib.sh's helpers take no arguments here
# On a Windows PC without a printer a teacher prints a task sheet: it is saved as a PDF file in the
# Documents folder, and the message names that file as Windows writes paths, with backslashes.
# Then the PC's default printer is a network printer whose server is off: the solution sheet is
# not printed, and the message names that printer as unreachable.
# Run by ctest with the Wine starter as the program (tests/windows/CMakeLists.txt).
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../e2e/trainer.sh"

# No print system answers, whatever this machine runs.
export CUPS_SERVER="$E2E_TMP/no-print-system.sock"

# Fails unless each line after the text stands whole in it.
says() {
    local text=$1 line
    shift
    for line; do
        grep -qx "$line" <<<"$text" || fail "the message does not say \"$line\": $text"
    done
}

open_start_window
open_trainer Bild1 "Schriftliche Addition"
# "Blatt" (Befehl14) opens the worksheet view; "Aufgaben drucken" (Befehl17) prints past the
# lock, "0" points.
click_control "$TRAINER_WID" "$TRAINER_FORM" Befehl14
sleep 0.5
print_past_lock Befehl17 0 "Schriftliche Addition"
told="$(wait_box "Drucken")" || fail "no message after printing"

text="$(box_copied_text "$told")"
says "$text" 'Es ist kein Drucker eingerichtet.' 'Das Rechenblatt wurde als PDF-Datei gespeichert:'
path="$(grep -x '[A-Z]:\\.*\.pdf' <<<"$text")" || fail "the message names no Windows path: $text"
[[ "$path" == *'\Documents\'* && "$path" != */* ]] ||
    fail "the path is not in the Documents folder with backslashes: $path"
press Return
window_gone "Drucken" || fail "the message stayed open"

# The same file seen from this side: the prefix's C: drive, Documents linked into its own home.
file="$SR_WINEPREFIX/drive_c/$(tr '\\' '/' <<<"${path#?:\\}")"
[[ -f "$file" ]] || fail "no file at $file"
pdftotext -layout "$file" - 2>/dev/null | grep -q 'Schriftliche Addition' ||
    fail "the saved PDF is not the addition worksheet"
# Windows keeps the default printer's name in the registry, where Wine reads it at every call:
# set now (by Wine's reg, through the Wine starter), it names a printer that no print system knows.
SR_WINDOWS_EXE=reg "$PROGRAM" add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' \
    /v Device /d 'Laser Lehrerzimmer,winspool,Ne00:' /f >/dev/null 2>&1 ||
    fail "the default printer could not be set in Wine's registry"
# "Lösungen drucken" (Befehl18).
print_past_lock Befehl18 0 "Schriftliche Addition"
told="$(wait_box "Drucken")" || fail "no message after printing on an unreachable printer"
text="$(box_copied_text "$told")"
says "$text" 'Das Lösungsblatt konnte nicht gedruckt werden.' \
    'Der Standarddrucker „Laser Lehrerzimmer“ ist nicht erreichbar.'
press Return
window_gone "Drucken" || fail "the message stayed open"

program_running || fail "the program ended"
echo "PASS: without a printer the sheet is saved as a PDF, its path written the Windows way;" \
    "an unreachable default printer is named"
