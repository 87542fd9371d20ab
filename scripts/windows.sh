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

qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
qt_key="$(printf '%s\n' "$qt_version" "${QT_FLAGS[@]}" | sha256sum | cut -c1-12)"
QT_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/schriftlich-rechnen"
QT_PREFIX="$QT_CACHE/qt-${qt_version%%[-+]*}-mingw64-$qt_key"

# Adds deb-src entries beside the machine's own deb entries, so apt-get source finds the same
# mirror that apt-get install uses. Nothing is written when source entries exist already.
ensure_deb_src() {
    if apt-get source --print-uris -qq qt6-base >/dev/null 2>&1; then
        return 0
    fi
    local target=/etc/apt/sources.list.d/schriftlich-rechnen-src file
    # One-line entries: each "deb ..." again as "deb-src ...".
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f "$file" && "$file" != "$target.list" ]] || continue
        sed -n 's/^deb /deb-src /p' "$file"
    done >"$target.list"
    for file in /etc/apt/sources.list.d/*.sources; do
        [[ -f "$file" && "$file" != "$target.sources" ]] || continue
        # Each stanza of deb822 entries with Types: deb, again with Types: deb-src.
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
            /(^|\n)Types:([ \t]+[a-z-]+)*[ \t]+deb([ \t]|\n|$)/ {
                sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$file"
    done >"$target.sources"
    apt-get update -qq
}

build_qt() {
    if [[ -f "$QT_PREFIX/.complete" ]]; then
        echo "=== Qt for Windows: $QT_PREFIX (cached)"
        return 0
    fi
    ensure_deb_src
    local work="$QT_PREFIX.build"
    rm -rf "$work" "$QT_PREFIX"
    mkdir -p "$work"
    echo "=== Qt for Windows: fetching Debian's qt6-base $qt_version source"
    (cd "$work" && apt-get source -qq "qt6-base=$qt_version" >source.log 2>&1) ||
        { tail -n 20 "$work/source.log"; return 1; }
    local source
    source="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)"
    echo "=== Qt for Windows: configuring (log in $work/configure.log)"
    cmake -S "$source" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$QT_PREFIX" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${QT_FLAGS[@]}" >"$work/configure.log" 2>&1 ||
        { tail -n 40 "$work/configure.log"; return 1; }
    echo "=== Qt for Windows: building (log in $work/build.log; about half an hour on two cores)"
    local started=$SECONDS shown=$SECONDS line
    # Ninja's [done/total] counter, shown once a minute.
    ninja -C "$work/build" -j"$(nproc)" 2>&1 | tee "$work/build.log" | while IFS= read -r line; do
        if [[ "$line" =~ ^\[([0-9]+)/([0-9]+)\] ]] && ((SECONDS - shown >= 60)); then
            shown=$SECONDS
            echo "    Qt: ${BASH_REMATCH[1]} of ${BASH_REMATCH[2]} steps"
        fi
    done
    ((PIPESTATUS[0] == 0)) || { grep -m 20 -B 5 'FAILED\|error:' "$work/build.log"; return 1; }
    cmake --install "$work/build" >"$work/install.log" 2>&1 ||
        { tail -n 20 "$work/install.log"; return 1; }
    touch "$QT_PREFIX/.complete"
    rm -rf "$work"
    echo "=== Qt for Windows: built in $((SECONDS - started)) s"
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
