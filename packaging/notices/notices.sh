#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# THIRD-PARTY-NOTICES.txt of one build: the program's own terms and source, then every part by
# other authors that the build holds, found in what its linker took (the link map) and in the
# resources it built in, each with where its source is and its licence in full.
#
#   notices.sh windows|web LINK_MAP BUILD_DIR SOURCE_ARCHIVE COMMIT >THIRD-PARTY-NOTICES.txt
#
# A file the linker took from outside BUILD_DIR that belongs to no part below stops the script:
# no library comes into a published build without its notice.
set -euo pipefail
system="${1:?usage: $0 windows|web LINK_MAP BUILD_DIR SOURCE_ARCHIVE COMMIT}"
map="$2" build="$(cd "$3" && pwd -P)" archive="$4" commit="$5"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../scripts/common.sh"
set_qt_host_flags

qt_dir="$(cd "$(sed -n 's/^Qt6_DIR:PATH=//p' "$build/CMakeCache.txt")/../../.." && pwd -P)"
qt_version="$(qt_version)"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
emscripten_cache=/usr/share/emscripten/cache
case "$system" in
windows)
    shown="für Windows / for Windows"
    qt_flags=("${QT_WINDOWS_FLAGS[@]}")
    qt_toolchain="$QT_WINDOWS_TOOLCHAIN"
    compiler="MinGW-w64"
    ;;
web)
    shown="im Browser / in the browser"
    qt_flags=("${QT_WASM_FLAGS[@]}")
    qt_toolchain="$QT_WASM_TOOLCHAIN"
    compiler="emscripten $(dpkg-query -W -f='${Version}' emscripten)"
    ;;
*)
    echo "notices.sh: unknown system $system" >&2
    exit 2
    ;;
esac

# Every input file the map names by its path: GNU ld's archive members and LOAD lines, wasm-ld's
# input sections (ARCHIVE(MEMBER) or OBJECT:(SECTION)). Relative paths are the build's own.
linked_files() {
    grep -oE '(^|[[:space:](])/[^[:space:]():]+\.(a|o|obj)\b' "$map" | sed 's/^[[:space:](]//' |
        LC_ALL=C sort -u | xargs -r -d '\n' realpath -m | grep -v "^$build/" | LC_ALL=C sort -u
}

declare -a qt_lgpl=() qt_gpl=() emscripten=() others=()
while IFS= read -r file; do
    case "$file" in
    "$qt_dir"/*)
        # The WebAssembly platform plugin is GPL-3.0 only; the rest of Qt Base is LGPL-3.0.
        if [[ "$file" == *qwasm* || "$file" == *QWasmIntegrationPlugin* ]]; then
            qt_gpl+=("${file#"$qt_dir"/}")
        else
            qt_lgpl+=("${file#"$qt_dir"/}")
        fi
        ;;
    "$emscripten_cache"/*) emscripten+=("${file##*/}") ;;
    *) others+=("$file") ;;
    esac
done < <(linked_files)
# Everything else by the Debian package that installed it (one question to dpkg for all).
declare -A debian=()
owners="$( ((${#others[@]} == 0)) || dpkg -S "${others[@]}" 2>/dev/null | sed 's/, [^:]*:/:/')" || true
for file in "${others[@]}"; do
    package="$(grep -F ": $file" <<<"$owners" | grep -m1 -x "[^:]*: $file" | cut -d: -f1)" || true
    if [[ -z "$package" ]]; then
        echo "notices.sh: no notice covers $file, which the linker took" >&2
        exit 1
    fi
    debian[$package]+="${debian[$package]:+ }${file##*/}"
done
((${#qt_lgpl[@]} > 0)) || { echo "notices.sh: $map names no Qt library" >&2; exit 1; }

rule() { printf '=%.0s' {1..98}; echo; }
# Each section goes to a file of its own, so that the contents can be listed first.
sections="$(mktemp -d)"
trap 'rm -rf "$sections"' EXIT
exec 3>&1
titles=()
section() {
    titles+=("$1")
    exec >"$sections/${#titles[@]}"
    rule
    echo "${#titles[@]}. $1"
    rule
}
list() { printf '  %s\n' "$@"; }

section "Qt $qt_version"
cat <<EOF
Qt Base (the Qt libraries and plugins listed below),
Copyright (C) The Qt Company Ltd. and other contributors.
Licence: GNU Lesser General Public License, version 3, which builds on the GNU General Public
License, version 3 (both at the end of this file).

Linked into this build, statically:
$(list "${qt_lgpl[@]}")

Built unchanged from Debian's source package qt6-base, version $qt_version, whose
source is the corresponding source of this Qt:
  - on Debian 12:  apt-get source qt6-base=$qt_version
  - on the web:    https://snapshot.debian.org/package/qt6-base/$qt_version/
Configured, built and installed with Debian 12's own tools (cmake, ninja and
$compiler) as follows, in the folder that holds the unpacked source:

  cmake -S qt6-base-${qt_version%%[-+]*} -B build -G Ninja -DCMAKE_INSTALL_PREFIX=<folder> \\
    ${QT_HOST_FLAGS[*]} \\
    -DCMAKE_TOOLCHAIN_FILE=$qt_toolchain \\
$(printf '    %s \\\n' "${qt_flags[@]}" | sed '$ s/ \\$//')
  ninja -C build && cmake --install build
EOF
if [[ $system == windows ]]; then
    echo
    echo "The toolchain file $qt_toolchain (in the source archive) reads:"
    echo
    sed 's/^/  /' "$REPO_ROOT/$qt_toolchain"
else
    echo
    echo "The toolchain file is Debian's (package emscripten). Qt's build finds emscripten through"
    echo "EMSDK, a folder of links that gives Debian's emscripten the SDK's layout:"
    echo "EMSDK/upstream/emscripten/ holds links to everything in /usr/share/emscripten and to"
    echo "/usr/bin/emcc and /usr/bin/em++, and EMSDK/.emscripten is Debian's with"
    echo "EMSCRIPTEN_ROOT set to that folder."
fi

if ((${#qt_gpl[@]} > 0)); then
    section "Qt's WebAssembly platform plugin"
    cat <<EOF
The part of Qt Base that runs Qt in a browser, from the same source and build as section 1,
Copyright (C) The Qt Company Ltd. and other contributors.
Licence: GNU General Public License, version 3 (at the end of this file), which is why the whole
browser build is conveyed under the GPL 3.

Linked into this build:
$(list "${qt_gpl[@]}")

It brings fonts of its own as resources, which the program uses where a page has no such face:
EOF
    echo
    cat "$here/bitstream-vera.txt"
fi

# Qt's German texts, when the build's resources name them.
if find "$build" -name '*.qrc' -exec grep -l 'qtbase_de\.qm' {} + | grep -q .; then
    section "Qt's German texts (qtbase_de.qm)"
    sed "s/@QT_TRANSLATIONS_VERSION@/$(dpkg-query -W -f='${Version}' qt6-translations-l10n)/g" \
        "$here/qt-translations.txt"
fi

section "Third-party code inside Qt"
cat "$here/qt-bundled.txt"

# The runtime libraries of the compiler, each from the Debian package that holds it. Packages of
# one source share their copyright file: it is given once.
declare -A copyright_in=()
for package in $(printf '%s\n' "${!debian[@]}" | LC_ALL=C sort); do
    package_version="$(dpkg-query -W -f='${Version}' "$package")"
    section "Runtime from $package ($(dpkg-query -W -f='${binary:Summary}' "$package"))"
    echo "From Debian's package $package $package_version; linked into this build:"
    # shellcheck disable=SC2086 # the package's files, a word each
    list ${debian[$package]}
    echo
    echo "Its source: apt-get source $package=$package_version on Debian 12."
    copyright="/usr/share/doc/$package/copyright"
    hash="$(sha256sum <"$copyright" | cut -c1-64)"
    if [[ -n "${copyright_in[$hash]:-}" ]]; then
        echo "Its copyright file is the one given in section ${copyright_in[$hash]}."
    else
        copyright_in[$hash]=${#titles[@]}
        echo "The package's copyright file follows."
        echo
        cat "$copyright"
    fi
done

if ((${#emscripten[@]} > 0)); then
    em_version="$(dpkg-query -W -f='${Version}' emscripten)"
    section "Emscripten $em_version: the runtime and its system libraries"
    echo "Built by Debian's emscripten $em_version from its own sources (apt-get source"
    echo "emscripten=$em_version on Debian 12) and linked into this build:"
    for library in "${emscripten[@]}"; do
        case "$library" in
        libc.a | libc-*) origin="musl libc: MIT" ;;
        libc++abi*) origin="LLVM libc++abi: Apache-2.0 WITH LLVM-exception" ;;
        libc++*) origin="LLVM libc++: Apache-2.0 WITH LLVM-exception" ;;
        libcompiler_rt*) origin="LLVM compiler-rt: Apache-2.0 WITH LLVM-exception" ;;
        libunwind*) origin="LLVM libunwind: Apache-2.0 WITH LLVM-exception" ;;
        libdlmalloc*) origin="dlmalloc by Doug Lea: public domain (CC0-1.0)" ;;
        *) origin="Emscripten: MIT or NCSA" ;;
        esac
        printf '  %-40s %s\n' "$library" "$origin"
    done
    cat <<EOF

The JavaScript half of Emscripten's runtime, in schriftlich-rechnen.js, keeps its licence notice
(MIT) at its top.

musl's copyright file:

$(cat /usr/share/emscripten/system/lib/libc/musl/COPYRIGHT)

LLVM's licence, the Apache License 2.0 with LLVM's exceptions:

$(cat /usr/share/common-licenses/Apache-2.0)

$(cat "$here/llvm-exception.txt")

Debian's copyright file of emscripten, with the licences of Emscripten and of the sources it
builds from:

$(cat /usr/share/doc/emscripten/copyright)
EOF
fi

section "GNU Lesser General Public License, version 3"
cat /usr/share/common-licenses/LGPL-3
section "GNU General Public License, version 3"
cat /usr/share/common-licenses/GPL-3
exec >&3

cat <<EOF
schriftlich-rechnen $version $shown – Hinweise zu Teilen Dritter / third-party notices
$(rule)

Deutsch: schriftlich-rechnen ist Freeware und freie Software: Jede und jeder darf es kostenlos
benutzen, weitergeben und verändern, nach der GNU General Public License, Version 3 oder (nach
Wahl) jeder späteren Version (LICENSE.txt). Es wird ohne jede Gewährleistung überlassen. Sein
vollständiger Quelltext liegt daneben: $archive (Commit $commit).
Das Programm enthält Teile anderer Urheber, fest eingebunden. Sie behalten ihre eigenen Lizenzen;
unten steht, welche Dateien von ihnen eingebunden sind, wo ihr Quelltext zu haben ist und der
volle Wortlaut ihrer Lizenzen.

English: schriftlich-rechnen is freeware and free software: anyone may use, pass on and change it
free of charge under the GNU General Public License, version 3 or (at your option) any later
version (LICENSE.txt). It comes without any warranty. Its complete source lies beside it:
$archive (commit $commit).
The program contains parts by other authors, linked in. They keep their own licences; below are
the files of theirs that are linked in, where their source is, and their licences in full.

Contents
EOF
for index in "${!titles[@]}"; do
    echo "  $((index + 1)). ${titles[$index]}"
done
echo
for index in "${!titles[@]}"; do
    cat "$sections/$((index + 1))"
    echo
done
