#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A teacher copies the worksheet of the addition trainer to the clipboard, where another program
# reads it, and prints past the printer lock on the default printer: while its queue rejects jobs
# the task sheet is reported as not printed; once it takes them again, the solution sheet is
# printed with every line of the worksheet. The print system's library is loaded only to print.
# The same road holds for the Windows program under Wine, whose printers are the queues of the
# private print system.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/cups.sh"
source "$(dirname "$0")/trainer.sh"
source "$(dirname "$0")/worksheet.sh"

TRAINER="Schriftliche Addition"

# Checks that every result of the first block of a printed solution sheet is the sum of the two
# operands above it. Reads the text of the sheet on standard input.
first_block_adds_up() {
    awk '
        /^[[:space:]]*\+/ && !seen { gsub(/\+/, " "); split(prev, top); n = split($0, low); seen = NR }
        seen && NR == seen + 2 {
            if (split($0, sum) != n || n != 6) exit 1
            for (i = 1; i <= n; i++) if (top[i] + low[i] != sum[i]) exit 1
            ok = 1
        }
        { prev = $0 }
        END { exit ok ? 0 : 1 }
    '
}

trap 'cups_stop; e2e_cleanup' EXIT
cups_start || fail "the private print system did not start"

open_start_window
# libcups and the libraries it brings load when a sheet is printed, not at every start (the
# Linux program's own choice; Wine loads it for its spooler as it likes).
if [[ -z "${SR_WINDOWS_EXE:-}" ]] && grep -q '/libcups\.so' "/proc/$PROGRAM_PID/maps"; then
    fail "the program loaded libcups at start, before printing"
fi
open_trainer Bild1 "$TRAINER"

# "Blatt" (Befehl14) opens the worksheet view.
click_control "$TRAINER_WID" "$TRAINER_FORM" Befehl14
sleep 0.3

# "Kopieren" first: the clipboard then holds the sheet the printouts are compared with.
clip="$E2E_TMP/clipboard.txt"
copy_worksheet "$clip"
why="$(addition_sheet_ok "$clip")" || fail "the copied worksheet is not in its layout: $why"

# Prints the sheet of the print button NAME past the printer lock, which is on at program start
# (the password is the points shown, "0"); the closing box's id is then in DONE_BOX.
print_sheet() {
    print_past_lock "$1" 0 "$TRAINER"
    DONE_BOX="$(wait_box "Drucken")" || fail "no closing message after printing"
}

close_done_box() {
    activate "$DONE_BOX"
    press Return
    window_gone "Drucken" || fail "the closing message stayed open"
}

# A queue that turns jobs away: the task sheet ("Aufgaben drucken") is reported as not printed.
cupsreject PDF || fail "the print queue could not be set to reject jobs"
print_sheet Befehl17
told="$(box_first_line "$DONE_BOX")"
grep -q 'Das Rechenblatt konnte nicht gedruckt werden' <<<"$told" ||
    fail "a refused job was not reported as failed; the box said: $told"
grep -q 'wird gedruckt' <<<"$told" && fail "a refused job was announced as printing: $told"
close_done_box
[[ -z "$(cups_job_file)" ]] || fail "a job reached the queue that rejects jobs"

# The queue takes jobs again: the solution sheet ("Lösungen drucken") is printed, every line of it.
cupsaccept PDF || fail "the print queue could not be set to accept jobs"
print_sheet Befehl18
told="$(box_first_line "$DONE_BOX")"
grep -q 'Das Lösungsblatt wird gedruckt \.\.\.' <<<"$told" ||
    fail "an accepted job was not announced as printing; the box said: $told"
close_done_box

cups_wait_jobs 30 || fail "the print job did not finish"
job="$(cups_job_file)"
[[ -n "$job" ]] || fail "no print job reached the queue"
sheet="$(cups_job_text)"
first_block_adds_up <<<"$sheet" || fail "the printed sheet does not carry right results"
why="$(sheet_is_copy "Schriftliche Addition (Lösungsblatt)" 40 76 "$clip" <<<"$sheet")" ||
    fail "the printed sheet is not the worksheet line by line:"$'\n'"$why"
program_running || fail "the program ended"
echo "PASS: worksheet printing, refused and accepted"
