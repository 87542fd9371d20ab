#!/usr/bin/env bash
# The program's printer hands a solution sheet to the system's default print queue, and the
# document the queue receives reads as that sheet.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/cups.sh"

PRINTING_TEST="$(dirname "$PROGRAM")/tests/test_printing"
[[ -x "$PRINTING_TEST" ]] || fail "the printing test program is missing: $PRINTING_TEST"

trap 'cups_stop; e2e_cleanup' EXIT
cups_start || fail "the private print system did not start"

SR_E2E_PRINT_QUEUE=PDF QT_QPA_PLATFORM=offscreen \
    timeout 60 "$PRINTING_TEST" qtPrinterPrintsOnTheDefaultQueue >"$E2E_LOG" 2>&1 ||
    fail "printing on the default queue failed"
grep -q '^PASS   : TestPrinting::qtPrinterPrintsOnTheDefaultQueue' "$E2E_LOG" ||
    fail "the printing test did not run"
cups_wait_jobs 30 || fail "the print job did not finish"

job="$(cups_job_file)"
[[ -n "$job" ]] || fail "no document reached the queue"
text="$(pdftotext -layout "$job" - 2>/dev/null)"
grep -q 'Schriftliche Addition (Lösungsblatt)' <<<"$text" || fail "the job is not a solution sheet"
echo "PASS: print queue"
