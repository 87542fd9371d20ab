#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program for the browser (WebAssembly) into a folder of static files that any web
# server can serve, for iPads and Chromebooks, with its licence, notices and exact source:
#
#   scripts/web.sh            ->  build/web/
#   scripts/web.sh --serve    ->  the same, then served on http://127.0.0.1:8080/ (Ctrl+C ends)
#   scripts/web.sh --qt-only  ->  only its Qt, into the cache (./test builds it in the background)
#
# Uses Debian's Emscripten and a static Qt for WebAssembly built from Debian's own qt6-base
# source. That Qt is built once (about ten minutes on two cores) and kept in the user's cache
# beside the Windows Qt; later runs build only the program. Installs missing Debian packages
# first, as ./run and ./test do.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$REPO_ROOT"

serve=false qt_only=false
case "${1:-}" in
"") ;;
--serve) serve=true ;;
--qt-only) qt_only=true ;;
*)
    echo "usage: scripts/web.sh [--serve | --qt-only]" >&2
    exit 2
    ;;
esac

ensure_packages "${WEB_PACKAGES[@]}"
export_source_date_epoch

QT_PREFIX="$(qt_cache_prefix wasm "${QT_WASM_FLAGS[@]}")"

# Debian's Emscripten lives in /usr/share/emscripten with its commands in /usr/bin; Qt's toolchain
# looks for the SDK's layout ($EMSDK/.emscripten, $EMSDK/upstream/emscripten/emcc), which this
# folder of links gives it.
export_emscripten_env
make_emsdk() {
    local root="$EMSDK/upstream/emscripten" entry
    [[ -x "$root/emcc" ]] && return 0
    mkdir -p "$root"
    for entry in /usr/share/emscripten/*; do
        ln -sfn "$entry" "$root/${entry##*/}"
    done
    ln -sfn /usr/bin/emcc "$root/emcc"
    ln -sfn /usr/bin/em++ "$root/em++"
    sed "s|^EMSCRIPTEN_ROOT = .*|EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'|" \
        /usr/share/emscripten/.emscripten >"$EMSDK/.emscripten.new"
    sed -i "1i emsdk_path = '$EMSDK'" "$EMSDK/.emscripten.new"
    mv "$EMSDK/.emscripten.new" "$EMSDK/.emscripten"
}

make_emsdk
build_static_qt "Qt for WebAssembly" "$QT_PREFIX" "ten minutes" \
    -DCMAKE_TOOLCHAIN_FILE="$QT_WASM_TOOLCHAIN" "${QT_WASM_FLAGS[@]}"
if $qt_only; then
    exit 0
fi

# The program against that Qt, through the web preset, which finds it by a link in build/.
mkdir -p build
ln -sfn "$QT_PREFIX" build/web-qt
echo "=== Browser program"
started=$SECONDS
cmake --preset web >/dev/null
cmake --build --preset web -j"$(nproc)"
rm -rf build/web
cmake --install build/web-build --prefix build/web >/dev/null
echo "=== Browser program: built in $((SECONDS - started)) s"
echo "=== build/web/ (bench/web.sh tells what a pupil's device downloads)"

if $serve; then
    echo "=== http://127.0.0.1:8080/ (Ctrl+C ends)"
    exec /usr/bin/python3 scripts/web-serve.py build/web --port 8080
fi
