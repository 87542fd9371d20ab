#!/usr/bin/env bash
# A teacher prints a solution sheet from the addition trainer on the default printer, past the
# printer lock.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/cups.sh"

START="Schriftliche Additon und Subtraktion"
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

start_program
start="$(wait_window "$START")" || fail "the start window was not shown"
# Bild1 ("Plus") at 2880,960, 495 x 495.
click_twips "$start" 3120 1200
trainer="$(wait_window "$TRAINER")" || fail "\"Plus\" did not show the addition trainer"

# "Blatt" (Befehl14 at 5160,120, 855 x 495) opens the worksheet view; its panel Bild3 then stands
# at 960,0 with "Lösungen drucken" (Befehl18) at 2880,120, 1815 x 495 inside it.
click_twips "$trainer" 5587 367
sleep 0.3
click_twips "$trainer" 4747 367

# The printer lock is on at program start: the password is the points shown, "0".
lock="$(wait_box "Druckersperre aufheben")" || fail "printing did not ask for the password"
activate "$lock"
press ctrl+a
xdotool type --delay 50 "0"
press Return
window_gone "Druckersperre aufheben" || fail "the password box stayed open"

question="$(wait_box "$TRAINER" "$trainer")" || fail "the print question was not asked"
activate "$question"
# "Nein" is the default button; Tab moves to "Ja" and the space bar presses it.
press Tab
press space
done_box="$(wait_box "Drucken")" || fail "no closing message after printing"
activate "$done_box"
press Return
window_gone "Drucken" || fail "the closing message stayed open"

cups_wait_jobs 30 || fail "the print job did not finish"
job="$(cups_job_file)"
[[ -n "$job" ]] || fail "no print job reached the queue"
sheet="$(pdftotext -layout "$job" - 2>/dev/null)"
grep -q 'Schriftliche Addition (Lösungsblatt)' <<<"$sheet" ||
    fail "the printed job is not the solution sheet"
first_block_adds_up <<<"$sheet" || fail "the printed sheet does not carry right results"

program_running || fail "the program ended"
echo "PASS: worksheet printing"
