#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Windows stand where the centring rule puts them, frame included, from their first opening on,
# the start window too, which opens before the program has seen any frame:
# Left = (screen width - outer width) / 2, Top = (screen height - outer height) / 2 (the info
# window: / 4). The info window opened a second time stands where it stood the first time.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/trainer.sh"

INFO="Programm-Info"

read -r SCREEN_W SCREEN_H < <(xwininfo -root | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')

# The client area's corner and size, and the frame the window manager drew: "x y w h l r t b".
measure() {
    local x y w h extents
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4}
        /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}')
    extents="$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)"
    [[ -n "$extents" ]] || fail "the window manager reports no frame for window $1"
    echo "$x $y $w $h $extents"
}

# Fails unless the window WID (named NAME) stands centred with Top divided by DIVISOR.
expect_centred() {
    local wid=$1 name=$2 divisor=$3 x y w h l r t b want_x want_y
    sleep 0.5
    read -r x y w h l r t b < <(measure "$wid")
    want_x=$(((SCREEN_W - (w + l + r)) / 2 + l))
    want_y=$(((SCREEN_H - (h + t + b)) / divisor + t))
    [[ "$x $y" == "$want_x $want_y" ]] ||
        fail "$name: client area at $x,$y, the centring rule puts it at $want_x,$want_y"
}

open_start_window
expect_centred "$START_WID" "the start window, the program's first" 2
open_trainer Bild1 "Schriftliche Addition"
expect_centred "$TRAINER_WID" "the trainer's first opening" 2

# "Info" is Befehl12; the info window's label "O k a y" is Bezeichnung1.
for opening in first second; do
    click_control "$TRAINER_WID" "$TRAINER_FORM" Befehl12
    info="$(wait_window "$INFO")" || fail "\"Info\" did not show the info window"
    expect_centred "$info" "the info window's $opening opening" 4
    click_control "$info" QUVLABEL Bezeichnung1
    window_gone "$INFO" || fail "\"O k a y\" did not hide the info window"
done

# Scaled twice, the window manager counts device pixels and the window Qt's scaled ones: the start
# window stands where the rule puts it all the same.
kill "$PROGRAM_PID" && wait "$PROGRAM_PID" 2>/dev/null
QT_SCALE_FACTOR=2 open_start_window
expect_centred "$START_WID" "the start window at twice the scale" 2
echo "PASS: windows centred from their first opening"
