#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The program needs no network and keeps nothing: through a session of entries, copying, printing
# and the exit question it never opens an internet socket, connects only to local sockets (the X
# server, the print system, D-Bus) and writes no file outside the temporary and runtime folders.
# Watched with strace from the start of the process to its end.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/cups.sh"
source "$(dirname "$0")/trainer.sh"

TRAINER="Schriftliche Addition"
TRACE="$E2E_TMP/strace.log"
# Every call that makes a socket, reaches out, or creates, writes, moves or removes a file.
CALLS=socket,connect,bind,open,openat,creat,rename,renameat,renameat2,unlink,unlinkat,mkdir,mkdirat

command -v strace >/dev/null || fail "strace is not installed"
# strace only detaches when it is stopped: end the traced program itself first.
stop_traced() {
    local child
    if [[ -n "$PROGRAM_PID" ]]; then
        for child in $(pgrep -P "$PROGRAM_PID"); do
            kill "$child" 2>/dev/null
        done
    fi
}
trap 'stop_traced; cups_stop; e2e_cleanup' EXIT
cups_start || fail "the private print system did not start"

# LeakSanitizer stops the process's threads with ptrace at exit, which strace already holds: a
# sanitizer build runs here without its leak check (the other tests keep it).
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
strace -f -qq -y -e trace="$CALLS" -o "$TRACE" "$PROGRAM" >"$E2E_LOG" 2>&1 &
PROGRAM_PID=$!
START_WID="$(wait_window "$START_WINDOW")" || fail "the start window was not shown"

# A few entries: the ones digit of the first task, found by trying.
open_trainer Bild1 "$TRAINER"
activate "$TRAINER_WID"
find_right_drop Bezeichnung13 || fail "every tile 0..9 was refused on the ones cell"
points=1

# "Blatt" (Befehl14) opens the worksheet view, "Kopieren" (Befehl19) copies the sheet and
# "Lösungen drucken" (Befehl18) prints it.
click_control "$TRAINER_WID" "$TRAINER_FORM" Befehl14
sleep 0.3
click_control "$TRAINER_WID" "$TRAINER_FORM.Blatt" Befehl19
box="$(wait_box "Zwischenablage")" || fail "\"Kopieren\" showed no message"
activate "$box"
press Return
window_closed "$box" || fail "the clipboard message stayed open"

print_past_lock Befehl18 "$points" "$TRAINER"
box="$(wait_box "Drucken")" || fail "no closing message after printing"
activate "$box"
press Return
window_closed "$box" || fail "the closing message stayed open"
cups_wait_jobs 30 || fail "the print job did not finish"
[[ -n "$(cups_job_file)" ]] || fail "no print job reached the queue"

# "Abbruch" (Befehl16) closes the worksheet, "Ende" (Befehl1) leads to the start window, its exit
# picture (Bild3) asks.
activate "$TRAINER_WID"
click_control "$TRAINER_WID" "$TRAINER_FORM.Blatt" Befehl16
sleep 0.3
click_control "$TRAINER_WID" "$TRAINER_FORM" Befehl1
START_WID="$(wait_window "$START_WINDOW")" || fail "\"Ende\" did not bring back the start window"
click_control "$START_WID" Form0 Bild3
box="$(wait_box "Schriftliche Addition und Subtraktion")" || fail "the exit picture asked no question"
activate "$box"
press Tab
press space
wait_exit 30 || fail "answering Yes did not end the program"
[[ "$PROGRAM_STATUS" == 0 ]] || fail "the program ended with status $PROGRAM_STATUS"

# Each call without the process id in front; a call that another thread interrupted keeps its
# arguments in the first half ("<unfinished ...>"), so the second half can be left aside.
calls="$(sed -E 's/^[0-9]+ +//' "$TRACE")"
[[ -n "$calls" ]] || fail "strace recorded nothing"

grep -qE '^connect\([^,]*, \{sa_family=AF_UNIX, sun_path=@?"[^"]*X11-unix/X' <<<"$calls" ||
    fail "the trace holds no connection to the X server, so it did not watch the program"
grep -qF "sun_path=\"$CUPS_SERVER\"" <<<"$calls" ||
    fail "the trace holds no connection to the print system, so it did not watch the printing"

# Sockets: only local ones (AF_UNIX) and the kernel's own (AF_NETLINK).
bad="$(grep -E '^socket\(' <<<"$calls" | grep -vE '^socket\((AF_UNIX|AF_NETLINK),')"
[[ -z "$bad" ]] || fail "the program made a socket that is not local:"$'\n'"$bad"
bad="$(grep -E '^(connect|bind)\(' <<<"$calls" |
    grep -vE '^(connect|bind)\([0-9]+(<[^>]*>)?, \{sa_family=(AF_UNIX|AF_NETLINK)[,}]')"
[[ -z "$bad" ]] || fail "the program connected or bound to an address that is not local:"$'\n'"$bad"

# Files: whatever is created, opened for writing, moved or removed lies in a place for passing
# things: the temporary folder (the print document on its way to the queue), devices, the
# process's own /proc entries, the runtime folder, and fontconfig's cache, which the font library
# rebuilds on its own when the system's cache is out of date.
allowed=(/tmp "${TMPDIR:-/tmp}" /dev /proc "$XDG_RUNTIME_DIR" "${XDG_CACHE_HOME:-$HOME/.cache}/fontconfig")
bad="$(awk -v allowed="$(printf '%s\n' "${allowed[@]}")" '
    BEGIN { n = split(allowed, places, "\n") }
    function inside(path,   i) {
        if (path !~ /^\// || path ~ /(^|\/)\.\.(\/|$)/) return 0
        for (i = 1; i <= n; i++)
            if (places[i] != "" && (path == places[i] || index(path, places[i] "/") == 1)) return 1
        return 0
    }
    /^(open|openat|creat|rename|renameat|renameat2|unlink|unlinkat|mkdir|mkdirat)\(/ {
        if ($0 ~ /^open(at)?\(/ && $0 !~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC/) next
        rest = $0
        # Each path, joined to the folder of the descriptor in front of it (strace -y).
        while (match(rest, /([0-9]+<[^>]*>, )?"[^"]*"/)) {
            arg = substr(rest, RSTART, RLENGTH)
            rest = substr(rest, RSTART + RLENGTH)
            path = arg
            sub(/^.*, "/, "", path); sub(/^"/, "", path); sub(/"$/, "", path)
            if (arg ~ /^[0-9]+</ && path !~ /^\//) {
                folder = arg; sub(/^[0-9]+</, "", folder); sub(/>, ".*$/, "", folder)
                path = folder "/" path
            }
            if (!inside(path)) { print; next }
        }
    }' <<<"$calls")"
[[ -z "$bad" ]] || fail "the program wrote outside the temporary and runtime folders:"$'\n'"$bad"

echo "sockets made: $(grep -oE '^socket\([A-Z_0-9]+' <<<"$calls" | sed 's/socket(//' | sort | uniq -c | xargs)"
echo "connected to: $(grep -oE '^connect\([^,]*, \{sa_family=AF_UNIX, sun_path=@?"[^"]*"' <<<"$calls" |
    sed -E 's/.*sun_path=//' | sort -u | xargs)"
echo "files created, written, moved or removed: $(grep -E '^(open|openat|creat|unlink|rename|mkdir)' <<<"$calls" |
    grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|^(creat|unlink|rename|mkdir)' | grep -oE '"[^"]*"' | sort -u | xargs)"
echo "PASS: no network, no files kept"
