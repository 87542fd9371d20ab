#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the program for 64-bit Windows into one portable .exe, a zip for teachers and an
# MSI for school IT, with the exact source beside them:
#
#   scripts/windows.sh        ->  build/windows/schriftlich-rechnen.exe
#                                 build/windows/schriftlich-rechnen-windows.zip
#                                 build/windows/schriftlich-rechnen.msi
#                                 build/windows/schriftlich-rechnen-VERSION-source.tar.gz
#
# SR_SIGN_PKCS12 and SR_SIGN_PASSWORD_FILE (and SR_SIGN_TIMESTAMP_URL) sign the .exe in the zip
# and the MSI; see packaging/windows/package.sh. The same sources give the same files: every
# time stamp is SOURCE_DATE_EPOCH, by default the time of the last commit.
#
# Uses Debian's MinGW-w64 compilers and a static Qt for Windows built from Debian's own qt6-base
# source. That Qt is built once (about half an hour on two cores) and kept in the user's
# cache, keyed by its version and our configure flags; later runs build only the program.
# Installs missing Debian packages first, as ./run and ./test do. With --qt-only it builds only
# that Qt (./test builds it in the background).
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$REPO_ROOT"

ensure_packages "${WINDOWS_PACKAGES[@]}"
export_source_date_epoch

QT_PREFIX="$(qt_cache_prefix mingw64 "${QT_WINDOWS_FLAGS[@]}")"

build_qt() {
    build_static_qt "Qt for Windows" "$QT_PREFIX" "half an hour" \
        -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/$QT_WINDOWS_TOOLCHAIN" "${QT_WINDOWS_FLAGS[@]}"
}

# The program against that Qt, through the windows preset, which finds it by a link in build/.
build_program() {
    mkdir -p build
    ln -sfn "$QT_PREFIX" build/windows-qt
    echo "=== Windows program"
    local started=$SECONDS
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j"$(nproc)"
    echo "=== Windows program: built in $((SECONDS - started)) s"
}

build_qt
if [[ "${1:-}" == --qt-only ]]; then
    exit 0
fi
build_program
echo "=== build/windows/schriftlich-rechnen.exe ($(du -k build/windows/schriftlich-rechnen.exe | cut -f1) KiB)"
bash packaging/windows/package.sh build/windows build/windows
