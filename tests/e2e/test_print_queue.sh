#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's printer hands a solution sheet to the system's default print queue, and the
# document the queue receives reads as that sheet; while the queue rejects jobs, the printer says
# that the job was not taken; where the sheet cannot be written for the queue, the printer says
# so and sends nothing; where no queue is the default, the sheet is saved as a file.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/cups.sh"

PRINTING_TEST="$(dirname "$PROGRAM")/tests/test_printing"
[[ -x "$PRINTING_TEST" ]] || fail "the printing test program is missing: $PRINTING_TEST"

trap 'cups_stop; e2e_cleanup' EXIT
cups_start || fail "the private print system did not start"

SR_E2E_PRINT_QUEUE=PDF QT_QPA_PLATFORM=offscreen \
    timeout 60 "$PRINTING_TEST" qtPrinterPrintsOnTheDefaultQueue >"$E2E_LOG" 2>&1 ||
    fail "printing on the default queue failed"
[[ "$(grep -c '^PASS   : TestPrinting::qtPrinterPrintsOnTheDefaultQueue(' "$E2E_LOG")" == 3 ]] ||
    fail "the printing test did not run on a rejecting queue, an accepting one and without a temporary folder"
cups_wait_jobs 30 || fail "the print job did not finish"

job="$(cups_job_file)"
[[ -n "$job" ]] || fail "no document reached the queue"
[[ "$(cups_job_file 2)" == "" ]] || fail "the queue took a job while it rejected jobs or without a prepared sheet"
text="$(cups_job_text)"
grep -q 'Schriftliche Addition (Lösungsblatt)' <<<"$text" || fail "the job is not a solution sheet"

# Printers, but none of them the default: the sheet goes to a file as without any printer.
lpadmin -x PDF && lpadmin -p Zweiter -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ||
    fail "the print queue without a default could not be set up"
SR_E2E_NO_DEFAULT_QUEUE=1 QT_QPA_PLATFORM=offscreen \
    timeout 60 "$PRINTING_TEST" qtPrinterSavesAFileWhenNoQueueIsTheDefault >"$E2E_LOG" 2>&1 ||
    fail "printing without a default queue did not save the sheet"
grep -q '^PASS   : TestPrinting::qtPrinterSavesAFileWhenNoQueueIsTheDefault' "$E2E_LOG" ||
    fail "the test without a default queue did not run"
echo "PASS: print queue"
