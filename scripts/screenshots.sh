#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots: starts the real program on a private Xvfb + openbox, clicks
# through every window as a pupil would, and saves each window with its frame as a PNG. The two
# games are reached only after many points, so they are shown by bench/showwindow, which builds
# them through the program's own window owner.
#
#   scripts/screenshots.sh [FOLDER]     # default docs/screenshots
#   SCALE=2 scripts/screenshots.sh /tmp/shots   # the same at twice the pixel density
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$REPO_ROOT/scripts/xsession.sh"
cd "$REPO_ROOT"

out="$(realpath -m "${1:-docs/screenshots}")"
scale="${SCALE:-1}"
ensure_packages "${TEST_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target schriftlich-rechnen showwindow >/dev/null
build="$REPO_ROOT/build/release"
mkdir -p "$out"

open_x_session
export QT_SCALE_FACTOR="$scale"

# The id of the visible window with exactly this title.
window() {
    local pattern
    pattern="^$(printf '%s' "$1" | sed 's/[][\\.*^$+?(){}|]/\\&/g')\$"
    timeout 10 xdotool search --sync --onlyvisible --name "$pattern" | head -n1
}

# Clicks at X,Y twips of the window's client area.
click() {
    xdotool mousemove --window "$1" $(($2 * scale / 15)) $(($3 * scale / 15)) click 1
    sleep 0.4
}

# Saves the window with its frame, once it has settled, with the pointer out of the way.
shot() {
    xdotool mousemove 0 0
    sleep 0.6
    import -frame -window "$1" -strip "$out/$2.png"
    echo "$2.png"
}

# Each trainer in its three practice forms, then back to the start window with "Ende".
# Buttons stand at Top 120, 855 x 495: "Ende" at Left 960, multiple 3480, "Lücke" 4320.
trainer() {
    local start=$1 picture_left=$2 title=$3 name=$4 wid
    click "$start" $((picture_left + 247)) 1207
    wid="$(window "$title")"
    shot "$wid" "$name-single"
    click "$wid" $((3480 + 427)) 367
    shot "$wid" "$name-multiple"
    click "$wid" $((4320 + 427)) 367
    shot "$wid" "$name-gap"
}

x_launch "$build/schriftlich-rechnen"
start="$(window "Schriftliche Additon und Subtraktion")"
shot "$start" start-window

trainer "$start" 2880 "Schriftliche Addition" addition
wid="$(window "Schriftliche Addition")"
# "Blatt" opens the worksheet, "Abbruch" on its panel closes it; "Info" shows the info window.
click "$wid" $((5160 + 427)) 367
shot "$wid" worksheet
click "$wid" $((960 + 547)) $((120 + 247))
click "$wid" $((6000 + 427)) 367
info="$(window "Programm-Info")"
shot "$info" info-window
click "$info" $((2400 + 427)) $((2880 + 247))
click "$wid" $((960 + 427)) 367

trainer "$start" 3840 "Schriftliche Subtraktion" subtraction
click "$(window "Schriftliche Subtraktion")" $((960 + 427)) 367
trainer "$start" 4800 "Schriftliche Addition und Subtraktion" mixed
x_finish

# The number-catch game draws its digits at their first jump (3 s at the start speed) and the
# "+" at its first move; the memory game shows two cards turned over.
x_launch "$build/bench/showwindow" Form4
wid="$(window "Zahlfange")"
sleep 3.5
xdotool windowactivate --sync "$wid" key Left
shot "$wid" number-catch
x_finish

x_launch "$build/bench/showwindow" memo
wid="$(window "Memory")"
click "$wid" $((1080 + 1267)) $((240 + 247))
click "$wid" $((3720 + 1267)) $((240 + 247))
shot "$wid" memory
x_finish
