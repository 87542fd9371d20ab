#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A private Wine prefix for the tests: `wine-prefix.sh setup DIR [DPI]` makes it (Wine's first
# start takes a while, so it is done once, before the tests), with the display at DPI dots per
# inch (96, the default, is 100 %; 120 is 125 %, 144 is 150 %); `wine-prefix.sh cleanup DIR` ends
# its Wine server and removes it. Wine runs as wine-env.sh sets it up, and sees only the private X
# session of the tests (E2E_SESSION), never the user's desktop.
set -euo pipefail
# shellcheck disable=SC1090 # the session's variables, written by tests/e2e/session.sh
source "${E2E_SESSION:?the private X session of the tests}"
export DISPLAY="$E2E_DISPLAY" XDG_RUNTIME_DIR="$E2E_RUNTIME_DIR"
unset WAYLAND_DISPLAY
action="${1:?setup or cleanup}"
source "$(dirname "$0")/wine-env.sh" "${2:?the prefix folder}"
case "$action" in
setup)
    rm -rf "$WINEPREFIX"
    mkdir -p "$HOME"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
    [[ -f "$WINEPREFIX/system.reg" ]] || { echo "Wine made no prefix in $WINEPREFIX" >&2; exit 1; }
    # Wine's own faces (Tahoma, the bitmap "MS Sans Serif", ...) stand in a Windows PC's Fonts
    # folder. Debian's Wine 8 leaves that folder empty and then draws every text in the first
    # face it finds, a serif one.
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    for font in /usr/share/wine/fonts/*; do
        [[ -e "$fonts/${font##*/}" ]] || ln -s "$font" "$fonts/"
    done
    # Windows' display scale, as the Settings app writes it; read when a program starts.
    dpi="${3:-96}"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver --wait
    grep -q "^\"LogPixels\"=dword:$(printf '%08x' "$dpi")\$" "$WINEPREFIX/user.reg" ||
        { echo "Wine's display scale was not set to $dpi dpi" >&2; exit 1; }
    ;;
cleanup)
    wineserver --kill 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    ;;
*)
    echo "usage: $0 setup DIR [DPI] | cleanup DIR" >&2
    exit 2
    ;;
esac
