#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# What scripts/windows.sh publishes holds what it must: the teachers' zip and the MSI carry the
# built .exe with the licence (LICENSE, word for word) and the notices of every part by other
# authors that the .exe links, in Windows' line ends; the exact source lies beside them.
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

bash "$repo/tests/notices.sh" "$work/zip/THIRD-PARTY-NOTICES.txt" "$build/schriftlich-rechnen.map" \
    "$build" "$build/schriftlich-rechnen-"*-source.tar.gz || fail "the notices are incomplete"
bash "$repo/tests/source-archive.sh" "$build/schriftlich-rechnen-"*-source.tar.gz ||
    fail "the source archive is not the tree"

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

echo "PASS: packages"
