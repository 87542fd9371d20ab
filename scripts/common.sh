# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2034 # the variables are for the scripts that source this
# Sourced, not run, by the project's scripts (./run, ./test, scripts/, packaging/, bench/): the
# Debian packages the project needs and how to get them, the static Qts for Windows and the
# browser and how they are built, and the date that published files carry.

# Building and running the program.
RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n libgl-dev fonts-liberation
    libcups2-dev libxcb1-dev)

# The Windows cross-build: MinGW-w64 (posix threads) for the compiler, Debian's Qt for the host
# tools, dpkg-dev for apt-get source, ImageMagick for the .exe's icon, zip for the teachers'
# archive, wixl and msitools for the MSI (faketime stops the clock that wixl writes into it),
# osslsigncode to sign.
WINDOWS_PACKAGES=("${RUN_PACKAGES[@]}" g++-mingw-w64-x86-64-posix dpkg-dev imagemagick zip
    wixl msitools faketime osslsigncode)

# The browser build: Debian's Emscripten (clang, wasm-ld and binaryen with it), Debian's Qt for
# the host tools, dpkg-dev for apt-get source, brotli and gzip to store the files precompressed.
WEB_PACKAGES=(cmake ninja-build qt6-base-dev qt6-translations-l10n emscripten dpkg-dev brotli
    gzip imagemagick)

# Testing on top of that: a private X server with a window manager, real mouse and keyboard
# events on switchable keyboard layouts, the clipboard, a PDF print queue, screenshots, a
# system-call tracer and the formatter; the desktop-file and AppStream validators, the Debian
# package tools and checker (lintian) and Qt's SVG reader for the installed files; Xlib with the
# Damage extension for the start-up benchmark; the Windows cross-build, Wine to run its .exe,
# Ghostscript to read what Wine's printer driver spools, icoutils and xmllint to read the
# manifest in its resources, unzip to open its packages and openssl for a throw-away signing
# certificate; the browser build with Chromium and WebKitGTK (the engine of Safari) and their
# WebDriver servers, driven from Debian's Python with Selenium, and Firefox ESR, driven over the
# WebDriver BiDi it speaks itself with websockets, and PIL to read their screenshots; reuse to
# check that every file names its licence.
TEST_PACKAGES=("${RUN_PACKAGES[@]}" xvfb xauth x11-utils x11-xkb-utils xdotool openbox xclip
    cups printer-driver-cups-pdf poppler-utils imagemagick strace clang-format
    desktop-file-utils appstream dpkg-dev lintian libqt6svg6 libx11-dev libxdamage-dev
    "${WINDOWS_PACKAGES[@]}" wine wine64 ghostscript icoutils libxml2-utils unzip openssl
    "${WEB_PACKAGES[@]}" chromium chromium-driver webkit2gtk-driver firefox-esr python3-selenium
    python3-websockets python3-pil reuse)

# The two Qts built from Debian's qt6-base source, by their configure flags and toolchain files
# (the Windows one is ours, in cmake/). The notices of each build print them, so that its Qt can
# be built again without these scripts. Both take moc and rcc from Debian's Qt, whose CMake files
# lie in the machine's multiarch folder (/usr/lib/x86_64-linux-gnu/cmake on amd64): those flags,
# QT_HOST_FLAGS, are set by set_qt_host_flags, as dpkg-architecture comes with dpkg-dev, which
# only the scripts that build these Qts install.
set_qt_host_flags() {
    local multiarch
    multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
    QT_HOST_FLAGS=(-DQT_HOST_PATH=/usr "-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$multiarch/cmake")
}

# Parts of Gui and Widgets that no window of the program shows, left out of both Qts: every step
# of a Qt build is a compile of some seconds on a school's two cores (the graphics view alone is
# two dozen files, the Direct2D plugin below five dozen).
QT_UNUSED_FLAGS=(
    -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_undocommand=OFF -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF
    -DFEATURE_dockwidget=OFF -DFEATURE_calendarwidget=OFF -DFEATURE_colordialog=OFF
    -DFEATURE_fontdialog=OFF -DFEATURE_wizard=OFF -DFEATURE_columnview=OFF -DFEATURE_dial=OFF
    -DFEATURE_lcdnumber=OFF -DFEATURE_splashscreen=OFF -DFEATURE_keysequenceedit=OFF
    -DFEATURE_datawidgetmapper=OFF -DFEATURE_syntaxhighlighter=OFF
)

# Only what the program needs: Core, Gui, Widgets and PrintSupport with the windows platform
# plugin and the windowsvista style, third-party libraries bundled, linked statically. Windows
# draws text with its own font engines: no FreeType (nor the offscreen plugin that needs it),
# no second platform plugin drawing with Direct2D (direct2d1_1 off; the direct2d feature itself
# stays, as Qt 6.4 builds its DirectWrite font engine, which the windows plugin uses, only with
# it).
QT_WINDOWS_FLAGS=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_jpeg=OFF -DFEATURE_zstd=OFF
    -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_direct2d1_1=OFF
    "${QT_UNUSED_FLAGS[@]}"
    # Debian's source lacks wintab.h; its cross patch would build androiddeployqt.
    -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF
)
QT_WINDOWS_TOOLCHAIN=cmake/mingw-w64.cmake

# Only what the program needs: Core, Gui and Widgets with the wasm platform plugin, drawn with
# WebGL (the wasm compositor needs OpenGL), third-party libraries bundled, linked statically.
# Asyncify lets exec() loops (message boxes, the password question, dragging) wait inside the
# browser's event loop. Qt leaves PrintSupport out of this platform by itself.
QT_WASM_FLAGS=(
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten -DQT_QMAKE_DEVICE_OPTIONS=QT_EMSCRIPTEN_ASYNCIFY=1
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DFEATURE_optimize_size=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_jpeg=OFF -DFEATURE_zstd=OFF
    -DFEATURE_icu=OFF -DFEATURE_glib=OFF
    "${QT_UNUSED_FLAGS[@]}"
)
QT_WASM_TOOLCHAIN=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# Installs whichever of the named packages are missing. As root it runs apt-get itself; any
# other user is told the one command to run and the script stops.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        if [[ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]]; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    if ((EUID != 0)); then
        local command="sudo apt-get install -y ${missing[*]}"
        # Where apt's lists lack one of them (a new machine), they are read first.
        if ! apt-get install -s -qq "${missing[@]}" >/dev/null 2>&1; then
            command="sudo apt-get update && $command"
        fi
        stop_for_root "Debian packages are missing: ${missing[*]}." "$command"
    fi
    echo "Installing ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

# Stops the script of a user other than root with WHY and the one COMMAND that root has to run.
stop_for_root() {
    printf '%s\nPlease run this, then start %s again:\n  %s\n' "$1" "$0" "$2" >&2
    exit 1
}

# The repository root, whatever folder the script was started from.
REPO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Exports SOURCE_DATE_EPOCH, the time that every file of a published build carries, so that the
# same sources give the same bytes: the caller's, or else the time of the last commit.
export_source_date_epoch() {
    if [[ -z "${SOURCE_DATE_EPOCH:-}" ]]; then
        SOURCE_DATE_EPOCH="$(git -C "$REPO_ROOT" log -1 --format=%ct)" || {
            echo "$0: no commit in $REPO_ROOT to date the build by; set SOURCE_DATE_EPOCH" \
                "(seconds since 1970)" >&2
            exit 1
        }
    fi
    export SOURCE_DATE_EPOCH
}

# Lets apt-get source find qt6-base, for the Qts built below: where apt has no source entries
# (deb-src), each of the machine's deb entries is added again as one, for the same mirror that
# apt-get install uses; then apt reads their lists. Any other user than root is told the one
# command that does it, and the script stops.
ensure_deb_src() {
    if apt-get source --print-uris -qq qt6-base >/dev/null 2>&1; then
        return 0
    fi
    local targets entries=false
    # shellcheck disable=SC2016 # a format of apt's, not of the shell's
    targets="$(apt-get indextargets --no-release-info --format '$(IDENTIFIER)')"
    grep -qx Sources <<<"$targets" && entries=true
    if ((EUID != 0)); then
        local why="Building Qt needs the source of Debian's qt6-base (apt-get source)," command
        if $entries; then
            why+=" and apt has not read the lists of its source entries (deb-src) yet."
            command="sudo apt-get update"
        else
            why+=" and apt has no source entries (deb-src) to fetch it from."
            command="sudo bash -c 'source $(printf %q "$REPO_ROOT/scripts/common.sh") && ensure_deb_src'"
        fi
        stop_for_root "$why" "$command"
    fi
    if ! $entries; then
        local list parts file
        eval "$(apt-config shell list Dir::Etc::sourcelist/f parts Dir::Etc::sourceparts/d)"
        local target="${parts%/}/schriftlich-rechnen-src"
        # One-line entries: each "deb ..." again as "deb-src ...".
        for file in "$list" "${parts%/}"/*.list; do
            [[ -f "$file" && "${file##*/}" != schriftlich-rechnen-src.* ]] || continue
            sed -n 's/^deb /deb-src /p' "$file"
        done >"$target.list"
        for file in "${parts%/}"/*.sources; do
            [[ -f "$file" && "${file##*/}" != schriftlich-rechnen-src.* ]] || continue
            # Each stanza of deb822 entries with Types: deb, again with Types: deb-src.
            awk 'BEGIN { RS = ""; ORS = "\n\n" }
                /(^|\n)Types:([ \t]+[a-z-]+)*[ \t]+deb([ \t]|\n|$)/ {
                    sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$file"
        done >"$target.sources"
    fi
    apt-get update -qq
}

# The version of Debian's Qt, whose source the cross-built Qts are made of and whose host tools
# (moc, rcc) they use.
qt_version() {
    dpkg-query -W -f='${Version}' qt6-base-dev
}

# Where the builds for the other systems keep what outlives a run: the Qts and Emscripten's
# SDK layout.
BUILD_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/schriftlich-rechnen"

# What Debian's Emscripten needs around every build for the browser: EMSDK, the folder that
# scripts/web.sh gives the SDK's layout, in the build cache; Debian's Node modules in
# NODE_PATH (Emscripten's tools look there when node is not Debian's); Debian's Python (a Python
# manager's shim in PATH costs a second at each of the thousands of compiler calls).
export_emscripten_env() {
    EMSDK="$BUILD_CACHE/emsdk-$(dpkg-query -W -f='${Version}' emscripten)"
    export EMSDK NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3
}

# Where a Qt built with the given flags is kept: one folder per target, Qt version and flags.
# Prints the folder.
qt_cache_prefix() {
    local target="$1" version key
    shift
    version="$(qt_version)"
    key="$(printf '%s\n' "$version" "$@" | sha256sum | cut -c1-12)"
    echo "$BUILD_CACHE/qt-${version%%[-+]*}-$target-$key"
}

# Says on standard error that STEP of the Qt build LABEL failed, with the first errors in its LOG
# (the compiler's and the linker's, CMake's with their message, ninja's FAILED lines, apt's E:
# lines), or its last lines where it names none, and where the whole log is. Returns 1.
qt_step_failed() {
    local label="$1" step="$2" log="$3" errors
    errors="$(awk -v max=40 '
        function show() { print; if (++shown == max) exit }
        /CMake Error|[Ee]rror:|^FAILED:|^E: |undefined reference/ {
            message = /^CMake Error/; show(); next }
        message && /^  / { show(); next }
        { message = 0 }' "$log")"
    {
        echo "=== $label: $step failed. The whole log: $log"
        if [[ -n "$errors" ]]; then
            echo "Its first errors:"
            echo "$errors"
        else
            echo "It names no error; its last lines:"
            tail -n 20 "$log"
        fi
    } >&2
    return 1
}

# Builds Debian's qt6-base source for another target into a prefix once: "label" names it in the
# output, "duration" says how long it takes, the remaining arguments go to Qt's configure. A
# prefix holding .complete is done and kept. A failed step shows its first errors.
build_static_qt() {
    local label="$1" prefix="$2" duration="$3"
    shift 3
    if [[ -f "$prefix/.complete" ]]; then
        echo "=== $label: $prefix (cached)"
        return 0
    fi
    ensure_deb_src
    set_qt_host_flags
    local work="$prefix.build" version
    version="$(qt_version)"
    rm -rf "$work" "$prefix"
    mkdir -p "$work"
    echo "=== $label: fetching Debian's qt6-base $version source"
    (cd "$work" && apt-get source -qq "qt6-base=$version" >source.log 2>&1) ||
        qt_step_failed "$label" "fetching the source" "$work/source.log" || return
    local source
    source="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)"
    echo "=== $label: configuring (log in $work/configure.log)"
    cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_INSTALL_PREFIX="$prefix" \
        "${QT_HOST_FLAGS[@]}" \
        "$@" >"$work/configure.log" 2>&1 ||
        qt_step_failed "$label" configuring "$work/configure.log" || return
    echo "=== $label: building (log in $work/build.log; about $duration on two cores)"
    local started=$SECONDS shown=$SECONDS line
    # Ninja's [done/total] counter, shown once a minute. The pipeline is a condition, so that a
    # failed build (pipefail) reaches the compiler's first errors instead of ending the script.
    if ! ninja -C "$work/build" -j"$(nproc)" 2>&1 | tee "$work/build.log" |
        while IFS= read -r line; do
            if [[ "$line" =~ ^\[([0-9]+)/([0-9]+)\] ]] && ((SECONDS - shown >= 60)); then
                shown=$SECONDS
                echo "    Qt: ${BASH_REMATCH[1]} of ${BASH_REMATCH[2]} steps"
            fi
        done; then
        qt_step_failed "$label" building "$work/build.log" || return
    fi
    cmake --install "$work/build" >"$work/install.log" 2>&1 ||
        qt_step_failed "$label" installing "$work/install.log" || return
    touch "$prefix/.complete"
    rm -rf "$work"
    echo "=== $label: built in $((SECONDS - started)) s"
}
