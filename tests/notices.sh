#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A build's THIRD-PARTY-NOTICES.txt names every part of other authors that the build holds: each
# file its link map shows the linker taking from outside the build, and each file its resource
# lists build in from outside the source tree. It names the source archive that lies beside it,
# and carries the licences it cites in full.
#
#   notices.sh NOTICES LINK_MAP BUILD_DIR SOURCE_ARCHIVE
set -uo pipefail
notices="$(tr -d '\r' <"${1:?usage: $0 NOTICES LINK_MAP BUILD_DIR SOURCE_ARCHIVE}")"
map="$2" build="$(cd "$3" && pwd -P)" archive="$4"
repo="$(cd "$(dirname "$0")/.." && pwd -P)"
fail() {
    echo "FAIL (notices): $*" >&2
    exit 1
}

[[ -s "$map" ]] || fail "no link map at $map"
linked=0
while IFS= read -r file; do
    [[ "$file" == "$build"/* ]] && continue
    linked=$((linked + 1))
    grep -qF -- "${file##*/}" <<<"$notices" || fail "the notices do not name ${file##*/} ($file)"
done < <(grep -oE '(^|[[:space:](])/[^[:space:]():]+\.(a|o|obj)\b' "$map" | sed 's/^[[:space:](]//' |
    sort -u | xargs -r -d '\n' realpath -m | sort -u)
((linked > 0)) || fail "the link map names no library from outside the build"

while IFS= read -r file; do
    [[ "$file" == "$repo"/* || "$file" == "$build"/* ]] && continue
    grep -qF -- "${file##*/}" <<<"$notices" || fail "the notices do not name the resource $file"
done < <(find "$build" -name '*.qrc' -exec sed -n 's|.*<file[^>]*>\(.*\)</file>.*|\1|p' {} +)

grep -qF "${archive##*/}" <<<"$notices" || fail "the notices do not name ${archive##*/}"
for licence in "GNU GENERAL PUBLIC LICENSE" "GNU LESSER GENERAL PUBLIC LICENSE"; do
    grep -qF "$licence" <<<"$notices" || fail "the notices lack the text of the $licence"
done
! grep -q '@[A-Z_]*@' <<<"$notices" || fail "the notices hold an unfilled placeholder"
