# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Reads an addition worksheet copied to the clipboard and checks it line by line against the
# worksheet's layout: the task half, two empty lines, the solution half; five blocks of six
# tasks (three of two operands, two of three), each row line six cells of 8 characters, every
# sum right, the results blank in the task half only. Line ends may be CR LF or LF; the caller
# checks which.
#
#   copy_worksheet FILE                      "Kopieren" in the open worksheet view of the trainer
#                                            (trainer.sh's TRAINER_WID, TRAINER_FORM); the
#                                            clipboard text then in FILE
#   addition_sheet_ok FILE || fail "..."     prints what is wrong on failure
#   sheet_is_copy HEADING FIRST LAST FILE    the text of a printed sheet (standard input) is
#                                            HEADING, two empty lines and lines FIRST..LAST of
#                                            the copied worksheet in FILE; prints the difference

# "Kopieren" is Befehl19 of the open worksheet view.
copy_worksheet() {
    local copied
    click_control "$TRAINER_WID" "$TRAINER_FORM.Blatt" Befehl19
    copied="$(wait_box "Zwischenablage")" || fail "\"Kopieren\" showed no message"
    timeout 5 xclip -o -selection clipboard >"$1" 2>/dev/null || fail "the clipboard could not be read"
    activate "$copied"
    press Return
    window_gone "Zwischenablage" || fail "the clipboard message stayed open"
}

addition_sheet_ok() {
    tr -d '\r' <"$1" | awk '
        function bad(what) { printf "line %d: %s: \"%s\"\n", NR, what, $0; failed = 1; exit 1 }
        # The kind of line i (from 0) of the 37 lines of one half, and the operand count of its block.
        function kind(i,    n, row, b) {
            split("0 7 14 21 29", starts, " "); split("2 2 2 3 3", counts, " ")
            for (b = 5; b > 1; b--) if (i >= starts[b] + 0) break
            n = counts[b]; row = i - starts[b]
            if (row == 0) return "top"
            if (row < n) return "operand"
            if (row == n) return "rule"
            if (row == n + 1) return "result"
            if (row == n + 2) return "closing"
            return "spacer"
        }
        # The number in characters 2..5 of cell k, checked to be a Zahlenzeile.
        function number(k,    field) {
            field = substr($0, 8 * k + 2, 4)
            if (field !~ /^ *[1-9][0-9]*$/) bad("cell " k + 1 " holds no number")
            return field + 0
        }
        {
            half = NR <= 37 ? "tasks" : NR <= 39 ? "gap" : "solutions"
            if (half == "gap") { if ($0 != "") bad("the halves are not parted by two empty lines"); next }
            i = half == "tasks" ? NR - 1 : NR - 40
            k = kind(i)
            if (k == "spacer" || (k == "result" && half == "tasks")) {
                if ($0 != " ") bad("a single space was expected"); next
            }
            if (length($0) != 48) bad("a row line is not 48 characters long")
            for (c = 0; c < 6; c++) {
                cell = substr($0, 8 * c + 1, 8)
                if (substr(cell, 6) != "   ") bad("cell " c + 1 " does not end in three spaces")
                if (k == "rule" && substr(cell, 1, 5) != "_____") bad("no rule in cell " c + 1)
                if (k == "closing" && substr(cell, 1, 5) != "-----") bad("no closing rule in cell " c + 1)
                if (k == "top") { if (substr(cell, 1, 1) != " ") bad("a top number with a sign"); sum[c] = number(c) }
                if (k == "operand") {
                    if (substr(cell, 1, 1) != "+") bad("an operand without its \"+\"")
                    sum[c] += number(c)
                }
                if (k == "result" && number(c) != sum[c]) bad("cell " c + 1 " does not add up")
            }
        }
        END {
            if (failed) exit 1
            if (NR != 76) { printf "%d lines, not 76\n", NR; exit 1 }
        }'
}

# A printed sheet read back as text (pdftotext leaves out the empty line above the heading and the
# spaces at the ends of lines, and keeps the words of a line in order, not every space between
# them), compared line by line with the heading and its half of the copied worksheet.
sheet_is_copy() {
    local expected printed
    expected="$({
        echo "$1"
        printf '\n\n'
        sed -n "$2,$3p" "$4"
    } | squeeze_sheet)"
    printed="$(squeeze_sheet)"
    [[ "$printed" == "$expected" ]] || { diff <(echo "$expected") <(echo "$printed"); return 1; }
}

squeeze_sheet() {
    tr -d '\r\f' | sed -E 's/[[:space:]]+/ /g; s/^ //; s/ $//' |
        awk '{ text[NR] = $0 } $0 != "" { last = NR } END { for (i = 1; i <= last; i++) print text[i] }'
}
