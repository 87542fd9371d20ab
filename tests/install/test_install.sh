#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` of the build tree puts the program, its desktop entry, its AppStream metainfo
# and its scalable icon in place under one id, and the desktop tools accept both files.
#
#   test_install.sh BUILD_DIR
set -uo pipefail

BUILD="${1:?usage: $0 BUILD_DIR}"
SOURCE="$(cd "$(dirname "$0")/../.." && pwd)"
ID=de.schriftlich_rechnen.SchriftlichRechnen
ROOT="$(mktemp -d)"
trap 'rm -rf "$ROOT"' EXIT

fail() {
    echo "FAIL (install): $*" >&2
    exit 1
}

DESTDIR="$ROOT" cmake --install "$BUILD" --prefix /usr >"$ROOT.log" 2>&1 ||
    { cat "$ROOT.log" >&2; rm -f "$ROOT.log"; fail "cmake --install failed"; }
rm -f "$ROOT.log"

[[ -x "$ROOT/usr/bin/schriftlich-rechnen" ]] || fail "no program in usr/bin"
desktop="$ROOT/usr/share/applications/$ID.desktop"
metainfo="$ROOT/usr/share/metainfo/$ID.metainfo.xml"
icon="$ROOT/usr/share/icons/hicolor/scalable/apps/$ID.svg"
for file in "$desktop" "$metainfo" "$icon"; do
    [[ -f "$file" ]] || fail "missing ${file#"$ROOT"}"
done

desktop-file-validate "$desktop" || fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refused the metainfo"

# The entry starts the installed program by name and shows the installed icon.
grep -qx "Exec=schriftlich-rechnen" "$desktop" || fail "Exec does not name the program"
grep -qx "Icon=$ID" "$desktop" || fail "Icon does not name the installed icon"
grep -qx "Categories=Education;Math;" "$desktop" || fail "categories are not Education;Math"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the desktop entry"
grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "the metainfo has no content rating"

# Every screenshot the metainfo names is one of the committed pictures.
shots="$(grep -o '<image>[^<]*</image>' "$metainfo" | sed 's|</image>||; s|.*/||')"
[[ -n "$shots" ]] || fail "the metainfo lists no screenshots"
for shot in $shots; do
    [[ -f "$SOURCE/docs/screenshots/$shot" ]] || fail "screenshot $shot is not in docs/screenshots"
done
echo "PASS: install"
