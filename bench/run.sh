#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark and prints one table: figure, ours, reference, ratio, target, pass.
# Figures with a reference measure both side by side in the same run, alternating, and compare
# medians. Start-up and memory are taken on a private Xvfb + openbox by bench/firstpaint, from
# outside the program; the entry and worksheet figures run offscreen.
#
#   bench/run.sh           # everything, including a clean build and the full test suite
#   bench/run.sh --quick   # without the clean build and the test suite (about a minute)
#
# BENCH_RUNS sets the number of start-ups of each program (default 11).
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"
source "$REPO_ROOT/scripts/xsession.sh"
cd "$REPO_ROOT"

quick=false
[[ "${1:-}" == "--quick" ]] && quick=true
runs="${BENCH_RUNS:-11}"

ensure_packages "${TEST_PACKAGES[@]}"
echo "=== Building (release)" >&2
cmake --preset release >/dev/null
cmake --build --preset release -j2 >/dev/null

build="$REPO_ROOT/build/release"
program="$build/schriftlich-rechnen"

rows=()
# row FIGURE OURS REFERENCE RATIO TARGET PASS
row() {
    rows+=("$(printf '%s|%s|%s|%s|%s|%s' "$@")")
}

median() {
    sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

# The value of KEY in a line of KEY=VALUE pairs.
field() {
    tr ' ' '\n' | sed -n "s/^$1=//p"
}

# ok VALUE LIMIT: "yes" when VALUE <= LIMIT.
ok() {
    awk -v v="$1" -v l="$2" 'BEGIN {print (v <= l) ? "yes" : "NO"}'
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'
}

open_x_session
workdir="$XSESSION_DIR"

# --- Start-up and memory after start, against the floor.
echo "=== Start-up: $runs runs each" >&2
"$build/bench/firstpaint" -- "$build/bench/bench_floor" >/dev/null # warm the file cache
"$build/bench/firstpaint" --settle 500 -- "$program" >/dev/null
: >"$workdir/ours" && : >"$workdir/floor"
for _ in $(seq "$runs"); do
    "$build/bench/firstpaint" --settle 500 -- "$program" >>"$workdir/ours"
    "$build/bench/firstpaint" -- "$build/bench/bench_floor" >>"$workdir/floor"
done
start_ours="$(field first_paint_ms <"$workdir/ours" | median)"
start_floor="$(field first_paint_ms <"$workdir/floor" | median)"
start_ratio="$(ratio "$start_ours" "$start_floor")"
row "start to first paint (ms)" "$start_ours" "$start_floor" "$start_ratio" "ratio <= 1.15" \
    "$(ok "$start_ratio" 1.15)"
cpu_ours="$(field cpu_ms <"$workdir/ours" | median)"
cpu_floor="$(field cpu_ms <"$workdir/floor" | median)"
cpu_ratio="$(ratio "$cpu_ours" "$cpu_floor")"
row "processor time to first paint (ms)" "$cpu_ours" "$cpu_floor" "$cpu_ratio" "ratio <= 1.15" \
    "$(ok "$cpu_ratio" 1.15)"
rss_ours="$(field max_rss_kb <"$workdir/ours" | median | awk '{printf "%.1f", $1 / 1024}')"
rss_floor="$(field max_rss_kb <"$workdir/floor" | median | awk '{printf "%.1f", $1 / 1024}')"
rss_ratio="$(ratio "$rss_ours" "$rss_floor")"
row "peak RSS after start (MB)" "$rss_ours" "$rss_floor" "$rss_ratio" "ratio <= 1.15" \
    "$(ok "$rss_ratio" 1.15)"

# --- Memory with every window open and a worksheet drawn.
rss_all="$("$build/bench/firstpaint" --settle 2000 -- "$build/bench/showwindow" all |
    field max_rss_kb | awk '{printf "%.1f", $1 / 1024}')"
row "peak RSS, every window + worksheet (MB)" "$rss_all" "-" "-" "<= 45" "$(ok "$rss_all" 45)"

# --- Idle CPU: the real program with the addition trainer open, left alone for 10 s.
echo "=== Idle CPU: 10 s" >&2
x_launch "$program"
program_pid=$XSESSION_PROGRAM_PID
start_wid="$(timeout 10 xdotool search --sync --onlyvisible --name \
    '^Schriftliche Additon und Subtraktion$' | head -n1)"
# The "Plus" picture Bild1 stands at 2880,960 twips, 495 x 495: its centre in pixels.
xdotool mousemove --window "$start_wid" 208 80 click 1
timeout 10 xdotool search --sync --onlyvisible --name '^Schriftliche Addition$' >/dev/null
xdotool mousemove 1000 1000 # the pointer leaves the window: no hover effects
sleep 1
# CPU time of all the program's threads in nanoseconds, and how often they woke up.
cpu_ns() {
    cat /proc/"$program_pid"/task/*/schedstat | awk '{s += $1} END {print s}'
}
wakeups() {
    cat /proc/"$program_pid"/task/*/schedstat | awk '{s += $3} END {print s}'
}
cpu_before="$(cpu_ns)" && wake_before="$(wakeups)"
sleep 10
cpu_after="$(cpu_ns)" && wake_after="$(wakeups)"
x_finish
idle="$(awk -v a="$cpu_before" -v b="$cpu_after" 'BEGIN {printf "%.2f", (b - a) / 1e9 / 10 * 100}')"
row "idle CPU, trainer open 10 s (%)" "$idle" "-" "-" "0.0 ($((wake_after - wake_before)) wakeups)" \
    "$(awk -v v="$idle" 'BEGIN {print (v < 0.05) ? "yes" : "NO"}')"

# --- One pupil entry, offscreen.
echo "=== Entries" >&2
entry="$("$build/bench/bench_entry" 10000)"
entry_p99="$(field p99_us <<<"$entry")"
row "one entry, median of 10000 (us)" "$(field median_us <<<"$entry")" "-" "-" "-" "-"
row "one entry, p99 of 10000 (us)" "$entry_p99" "-" "-" "<= 500" "$(ok "$entry_p99" 500)"

# --- A worksheet drawn and its clipboard text built, the slowest module.
echo "=== Worksheets" >&2
sheet="$("$build/bench/bench_worksheet" 10000 | field median_us | sort -n | tail -n1)"
row "worksheet + clipboard text, median (us)" "$sheet" "-" "-" "<= 50" "$(ok "$sheet" 50)"

if ! $quick; then
    # --- A clean Release build of everything (program, tests, benchmarks) on two cores.
    echo "=== Clean build" >&2
    clean="$workdir/clean-build"
    cmake -S . -B "$clean" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    seconds_before=$SECONDS
    cmake --build "$clean" -j2 >/dev/null
    build_s=$((SECONDS - seconds_before))
    row "clean build, 2 cores (s)" "$build_s" "-" "-" "<= 120" "$(ok "$build_s" 120)"

    # --- The full test suite (both presets, unit and end-to-end) on an up-to-date tree.
    echo "=== Test suite" >&2
    cmake --preset asan >/dev/null && cmake --build --preset asan -j2 >/dev/null
    seconds_before=$SECONDS
    if ./test >"$workdir/test.log" 2>&1; then suite=passed; else suite=FAILED; fi
    test_s=$((SECONDS - seconds_before))
    row "full test suite, ./test (s)" "$test_s ($suite)" "-" "-" "<= 120" \
        "$([[ $suite == passed ]] && ok "$test_s" 120 || echo NO)"
fi

echo
{
    echo "figure|ours|reference|ratio|target|pass"
    printf '%s\n' "${rows[@]}"
} | awk -F'|' '{
    for (i = 1; i <= NF; ++i) {
        cell[NR, i] = $i
        if (length($i) > width[i]) width[i] = length($i)
    }
} END {
    for (r = 1; r <= NR; ++r) {
        line = ""
        for (i = 1; i <= NF; ++i) line = line sprintf("%-" width[i] + 2 "s", cell[r, i])
        print line
    }
}'
echo
echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
