#!/usr/bin/env bash
# A private Wine prefix for the tests: `wine-prefix.sh setup DIR` makes it (Wine's first start
# takes a while, so it is done once, before the tests); `wine-prefix.sh cleanup DIR` ends its
# Wine server and removes it. No Mono or Gecko installer is offered, no menu entry written. Wine
# sees only the private X session of the tests (E2E_SESSION), never the user's desktop.
set -euo pipefail
source "${E2E_SESSION:?the private X session of the tests}"
export DISPLAY="$E2E_DISPLAY" XDG_RUNTIME_DIR="$E2E_RUNTIME_DIR"
unset WAYLAND_DISPLAY
action="${1:?setup or cleanup}"
export WINEPREFIX="${2:?the prefix folder}"
# Wine links the Windows user's Documents and Desktop to folders of HOME: a home of its own
# keeps whatever the program saves there inside the prefix.
export HOME="$WINEPREFIX/home"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
case "$action" in
setup)
    rm -rf "$WINEPREFIX"
    mkdir -p "$HOME"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
    [[ -f "$WINEPREFIX/system.reg" ]] || { echo "Wine made no prefix in $WINEPREFIX" >&2; exit 1; }
    ;;
cleanup)
    wineserver --kill 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    ;;
*)
    echo "usage: $0 setup|cleanup DIR" >&2
    exit 2
    ;;
esac
