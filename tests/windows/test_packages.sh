#!/usr/bin/env bash
# What scripts/windows.sh publishes holds what it must: the teachers' zip and the MSI carry the
# built .exe with the terms (LICENSE, word for word) and the notices of every part by other
# authors, in Windows' line ends; and the relinking kit, linked against the Qt that was used,
# gives the published .exe byte for byte.
#
#   test_packages.sh BUILD_DIR
set -uo pipefail
build="$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)"
repo="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL (packages): $*" >&2
    exit 1
}

files=(schriftlich-rechnen.exe LIESMICH.txt LICENSE.txt THIRD-PARTY-NOTICES.txt)
zip="$build/schriftlich-rechnen-windows.zip"
[[ "$(unzip -Z1 "$zip" 2>/dev/null)" == "$(printf '%s\n' "${files[@]}")" ]] ||
    fail "the zip does not hold exactly ${files[*]}: $(unzip -Z1 "$zip" | tr '\n' ' ')"
unzip -q "$zip" -d "$work/zip" || fail "the zip does not unpack"
cmp -s "$work/zip/schriftlich-rechnen.exe" "$build/schriftlich-rechnen.exe" ||
    fail "the .exe in the zip is not the built one"
for text in LIESMICH.txt LICENSE.txt THIRD-PARTY-NOTICES.txt; do
    ! grep -qv $'\r$' "$work/zip/$text" || fail "$text has lines without CR LF"
done
diff <(tr -d '\r' <"$work/zip/LICENSE.txt") "$repo/LICENSE" >/dev/null ||
    fail "LICENSE.txt is not LICENSE"

# The notices name the Qt that was linked, where its source is, and carry every licence in full.
notices="$(tr -d '\r' <"$work/zip/THIRD-PARTY-NOTICES.txt")"
qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
for line in "1. Qt $qt_version" "apt-get source qt6-base=$qt_version" \
    "4. MinGW-w64 runtime (C runtime start-up code, winpthreads)" \
    "5. GCC runtime libraries (libgcc, libstdc++)" \
    "GNU LESSER GENERAL PUBLIC LICENSE" "GNU GENERAL PUBLIC LICENSE" \
    "GCC RUNTIME LIBRARY EXCEPTION" "Data Compression Library (zlib), version 1.2.13" \
    "LibPNG, version 1.6.39" "Freetype 2, version 2.12.1" "HarfBuzz-NG, version 4.2.1" \
    "PCRE2, version 10.40" "MD4C, version 0.4.8"; do
    grep -qF -- "$line" <<<"$notices" || fail "the notices lack \"$line\""
done
! grep -q '@[A-Z_]*@' <<<"$notices" || fail "the notices hold an unfilled placeholder"

# The MSI installs the very same files.
(cd "$work" && mkdir msi && cd msi && msiextract "$build/schriftlich-rechnen.msi" >/dev/null) ||
    fail "msiextract cannot read the MSI"
for file in "${files[@]}"; do
    found="$(find "$work/msi" -name "$file")"
    if [[ -z "$found" ]] || ! cmp -s "$found" "$work/zip/$file"; then
        fail "the MSI's $file is not the zip's"
    fi
done

# Per machine under Program Files (64 bit); no custom action and no reboot for IT to fear.
table() { msiinfo export "$build/schriftlich-rechnen.msi" "$1" | tr -d '\r'; }
table Property | grep -qx $'ALLUSERS\t1' || fail "the MSI does not install per machine"
table Directory | grep -q $'^INSTALLDIR\tProgramFiles64Folder\t' ||
    fail "the MSI does not install under Program Files"
[[ "$(table CustomAction | sed 1,3d)" == "" ]] || fail "the MSI has custom actions"
! table InstallExecuteSequence | grep -q 'Reboot' || fail "the MSI asks for a reboot"

# Relinked against the Qt it was built with, the kit gives the published .exe.
unzip -q "$build/schriftlich-rechnen-windows-relink.zip" -d "$work/kit" || fail "no relinking kit"
kit="$work/kit/schriftlich-rechnen-windows-relink"
[[ -f "$kit/RELINK.txt" && -f "$kit/LICENSE.txt" ]] || fail "the kit lacks its read-me or the terms"
qt="$(readlink -f "$(sed -n 's/^Qt6_DIR:PATH=//p' "$build/CMakeCache.txt")/../../..")"
"$kit/relink.sh" "$qt" >"$work/relink.log" 2>&1 || { cat "$work/relink.log" >&2; fail "relink.sh failed"; }
cmp -s "$kit/schriftlich-rechnen.exe" "$build/schriftlich-rechnen.exe" ||
    fail "the relinked .exe differs from the published one"
echo "PASS: packages"
