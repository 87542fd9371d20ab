#!/usr/bin/env bash
# Cross-builds the program for 64-bit Windows into one portable .exe, a zip for teachers, an MSI
# for school IT and the kit to relink the program against another Qt:
#
#   scripts/windows.sh        ->  build/windows/schriftlich-rechnen.exe
#                                 build/windows/schriftlich-rechnen-windows.zip
#                                 build/windows/schriftlich-rechnen.msi
#                                 build/windows/schriftlich-rechnen-windows-relink.zip
#
# SR_SIGN_PKCS12 and SR_SIGN_PASSWORD_FILE (and SR_SIGN_TIMESTAMP_URL) sign the .exe in the zip
# and the MSI; see packaging/windows/package.sh. The same sources give the same files: every
# time stamp is SOURCE_DATE_EPOCH, by default the time of the last commit.
#
# Uses Debian's MinGW-w64 compilers and a static Qt for Windows built from Debian's own qt6-base
# source. That Qt is built once (about half an hour on two cores) and kept in the user's
# cache, keyed by its version and our configure flags; later runs build only the program.
# Installs missing Debian packages first, as ./run and ./test do.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$REPO_ROOT"

ensure_packages "${WINDOWS_PACKAGES[@]}"
SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}"
export SOURCE_DATE_EPOCH

# Only what the program needs: Core, Gui, Widgets and PrintSupport with the windows platform
# plugin and the windowsvista style, third-party libraries bundled, linked statically.
QT_FLAGS=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_jpeg=OFF -DFEATURE_zstd=OFF
    -DFEATURE_icu=OFF -DFEATURE_glib=OFF
    # Debian's source lacks wintab.h; its cross patch would build androiddeployqt.
    -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF
)

QT_PREFIX="$(qt_cache_prefix mingw64 "${QT_FLAGS[@]}")"

build_qt() {
    build_static_qt "Qt for Windows" "$QT_PREFIX" "half an hour" \
        -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64.cmake" "${QT_FLAGS[@]}"
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
build_program
echo "=== build/windows/schriftlich-rechnen.exe ($(du -k build/windows/schriftlich-rechnen.exe | cut -f1) KiB)"
bash packaging/windows/package.sh build/windows build/windows
