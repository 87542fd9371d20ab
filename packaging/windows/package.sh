#!/usr/bin/env bash
# What is published for Windows, made from the built program:
#
#   package.sh BUILD_DIR OUT_DIR
#
#   OUT_DIR/schriftlich-rechnen-windows.zip          for teachers: schriftlich-rechnen.exe,
#                                                    LIESMICH.txt, LICENSE.txt, THIRD-PARTY-NOTICES.txt
#   OUT_DIR/schriftlich-rechnen.msi                  for school IT: the same files, per machine
#   OUT_DIR/schriftlich-rechnen-windows-relink.zip   the program's object files and libraries and
#                                                    its link command, to relink it against
#                                                    another Qt (as Qt's LGPL allows)
#
# With SR_SIGN_PKCS12 (certificate and key as a PKCS#12 file) and SR_SIGN_PASSWORD_FILE (a file
# holding its password) set, the .exe and the MSI are signed (Authenticode, SHA-256), time-stamped
# by SR_SIGN_TIMESTAMP_URL if that is set too. Every file is dated SOURCE_DATE_EPOCH (by default the
# time of the last commit), so the same sources give the same bytes.
set -euo pipefail
build="$(cd "${1:?usage: $0 BUILD_DIR OUT_DIR}" && pwd)"
mkdir -p "${2:?usage: $0 BUILD_DIR OUT_DIR}"
out="$(cd "$2" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git -C "$repo" log -1 --format=%ct)}"
# Zip stores local times.
export TZ=UTC

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
# The Qt the program was linked with, as the build named it (through build/windows-qt) and as it is.
qt_named="$(cd "$(sed -n 's/^Qt6_DIR:PATH=//p' "$build/CMakeCache.txt")/../../.." && pwd)"
qt_dir="$(readlink -f "$qt_named")"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

signing=false
if [[ -n "${SR_SIGN_PKCS12:-}" && -n "${SR_SIGN_PASSWORD_FILE:-}" ]]; then
    signing=true
    echo "=== Signing with $SR_SIGN_PKCS12${SR_SIGN_TIMESTAMP_URL:+, time stamp from $SR_SIGN_TIMESTAMP_URL}"
else
    echo "=== Not signed (set SR_SIGN_PKCS12 and SR_SIGN_PASSWORD_FILE to sign the .exe and the MSI)"
fi

# sign IN OUT: an Authenticode signature (SHA-256) on a copy, or the copy as it is.
sign() {
    if ! $signing; then
        cp "$1" "$2"
        return 0
    fi
    osslsigncode sign -pkcs12 "$SR_SIGN_PKCS12" -readpass "$SR_SIGN_PASSWORD_FILE" -h sha256 \
        -n "Schriftlich rechnen" ${SR_SIGN_TIMESTAMP_URL:+-ts "$SR_SIGN_TIMESTAMP_URL"} \
        -in "$1" -out "$2" >"$stage/sign.log" 2>&1 || { cat "$stage/sign.log" >&2; return 1; }
}

# The notices of every part by other authors in the .exe: Qt's and its bundled code's from the
# sources, the runtime libraries' from the Debian packages they were linked from.
notices() {
    local translations_version library package
    translations_version="$(dpkg-query -W -f='${Version}' qt6-translations-l10n)"
    sed -e "s/@QT_VERSION@/$qt_version/g" -e "s/@QT_TRANSLATIONS_VERSION@/$translations_version/g" \
        "$here/THIRD-PARTY-NOTICES.txt.in"
    cat "$here/qt-third-party.txt"
    section() {
        printf '\n%s\n%s\n%s\n' "$(printf '=%.0s' {1..98})" "$1" "$(printf '=%.0s' {1..98})"
    }
    for library in "4. MinGW-w64 runtime (C runtime start-up code, winpthreads):libwinpthread.a" \
        "5. GCC runtime libraries (libgcc, libstdc++):libstdc++.a"; do
        package="$(dpkg -S "$(realpath "$(x86_64-w64-mingw32-g++-posix \
            -print-file-name="${library##*:}")")" | cut -d: -f1)"
        section "${library%:*}"
        echo "From Debian's package $package $(dpkg-query -W -f='${Version}' "$package"), whose"
        echo "copyright file follows."
        echo
        cat "/usr/share/doc/$package/copyright"
    done
    section "6. GNU Lesser General Public License, version 3"
    cat /usr/share/common-licenses/LGPL-3
    section "7. GNU General Public License, version 3"
    cat /usr/share/common-licenses/GPL-3
}

# Windows' Notepad reads UTF-8 and wants CR LF.
crlf() { sed 's/\r*$/\r/'; }

payload="$stage/payload"
mkdir "$payload"
sign "$build/schriftlich-rechnen.exe" "$payload/schriftlich-rechnen.exe"
crlf <"$repo/packaging/windows/LIESMICH.txt" >"$payload/LIESMICH.txt"
crlf <"$repo/LICENSE" >"$payload/LICENSE.txt"
notices | crlf >"$payload/THIRD-PARTY-NOTICES.txt"
files=(schriftlich-rechnen.exe LIESMICH.txt LICENSE.txt THIRD-PARTY-NOTICES.txt)
touch -d "@$SOURCE_DATE_EPOCH" "$payload"/*

# zip -X leaves out owners and extra times; the files go in in the listed order.
rm -f "$out/schriftlich-rechnen-windows.zip"
(cd "$payload" && zip -q -9 -X "$out/schriftlich-rechnen-windows.zip" "${files[@]}")

bash "$here/msi.sh" "$payload" "$build/packaging/windows/schriftlich-rechnen.ico" "$version" \
    "$stage/schriftlich-rechnen.msi"
sign "$stage/schriftlich-rechnen.msi" "$out/schriftlich-rechnen.msi"

# The relinking kit: every input of the program's link step that is not Qt, and that step as
# ninja runs it, with Qt's folder and the compiler left to the one who relinks.
kit="$stage/schriftlich-rechnen-windows-relink"
mkdir "$kit"
link="$(ninja -C "$build" -t commands schriftlich-rechnen.exe | tail -n1)"
link="${link#: && }"
link="${link% && :}"
compiler="${link%% *}"
link="\"\$CXX\" ${link#* }"
link="${link//"$qt_named"/\"\$QT_DIR\"}"
link="${link//"$qt_dir"/\"\$QT_DIR\"}"
for word in $link; do
    if [[ "$word" == *.obj || "$word" == *.a || "$word" == *.res ]] && [[ -f "$build/$word" ]]; then
        mkdir -p "$kit/$(dirname "$word")"
        cp "$build/$word" "$kit/$word"
    fi
done
sed -e "s|@COMPILER@|$(basename "$compiler")|" -e "s|@QT_VERSION@|$qt_version|" \
    "$here/relink.sh.in" >"$kit/relink.sh"
printf '%s\n' "$link" >>"$kit/relink.sh"
chmod +x "$kit/relink.sh"
cp "$here/RELINK.txt" "$kit/"
cp "$repo/LICENSE" "$kit/LICENSE.txt"
find "$kit" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$stage" && find schriftlich-rechnen-windows-relink -print | LC_ALL=C sort >"$stage/kit.list")
rm -f "$out/schriftlich-rechnen-windows-relink.zip"
(cd "$stage" && zip -q -9 -X -D "$out/schriftlich-rechnen-windows-relink.zip" -@ <"$stage/kit.list")

for file in schriftlich-rechnen-windows.zip schriftlich-rechnen.msi schriftlich-rechnen-windows-relink.zip; do
    echo "=== $out/$file ($(du -k "$out/$file" | cut -f1) KiB)"
done
