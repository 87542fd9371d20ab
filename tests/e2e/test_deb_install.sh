#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# CPack builds a Debian package whose dependencies are Debian's Qt packages and libcups, which the
# program opens to print, and that Debian's checker, lintian, passes without an error or a
# warning; its exact source lies beside it; unpacked into a scratch root, the installed program
# starts and shows its start window.
source "$(dirname "$0")/lib.sh"

BUILD="$(dirname "$PROGRAM")"
SCRATCH="$E2E_TMP/deb"
ID=de.schriftlich_rechnen.SchriftlichRechnen

cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$SCRATCH" >"$E2E_TMP/cpack.log" 2>&1 ||
    { cat "$E2E_TMP/cpack.log" >&2; fail "cpack did not build the package"; }
deb="$(ls "$SCRATCH"/schriftlich-rechnen_*.deb 2>/dev/null | head -n1)"
[[ -n "$deb" ]] || fail "no .deb in $SCRATCH"

depends="$(dpkg-deb -f "$deb" Depends)"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libcups2; do
    # The name, then its version or the next package.
    named=", $package[ ,]"
    [[ ", $depends," =~ $named ]] || fail "Depends lacks $package: $depends"
done
[[ "$(dpkg-deb -f "$deb" Package)" == schriftlich-rechnen ]] || fail "wrong package name"
lintian --fail-on error,warning "$deb" >"$E2E_TMP/lintian.log" 2>&1 ||
    { cat "$E2E_TMP/lintian.log" >&2; fail "lintian found errors or warnings"; }

root="$SCRATCH/root"
dpkg-deb -x "$deb" "$root" || fail "the package does not unpack"
for file in usr/bin/schriftlich-rechnen usr/share/applications/$ID.desktop \
    usr/share/metainfo/$ID.metainfo.xml usr/share/icons/hicolor/scalable/apps/$ID.svg \
    usr/share/doc/schriftlich-rechnen/copyright usr/share/doc/schriftlich-rechnen/changelog.gz \
    usr/share/man/man6/schriftlich-rechnen.6.gz usr/share/man/de/man6/schriftlich-rechnen.6.gz; do
    [[ -e "$root/$file" ]] || fail "the package lacks $file"
done
# Our files under the GPL 3 or later, and their exact source beside the package, named in the
# copyright file.
copyright="$root/usr/share/doc/schriftlich-rechnen/copyright"
sed -n '/^Files: \*$/,/^$/p' "$copyright" | grep -qx 'License: GPL-3+' ||
    fail "the copyright file does not put the program under the GPL-3+"
source_archive="$(ls "$SCRATCH"/schriftlich-rechnen-*-source.tar.gz 2>/dev/null)"
[[ -n "$source_archive" ]] || fail "no source archive beside the package"
grep -qF " ${source_archive##*/}, published beside it." "$copyright" ||
    fail "the copyright file does not name ${source_archive##*/}"
bash "$(dirname "$0")/../source-archive.sh" "$source_archive" || fail "the source archive is not the tree"

PROGRAM="$root/usr/bin/schriftlich-rechnen"
open_start_window
# The exit picture (Bild3), then "Ja": the installed program ends normally.
click_control "$START_WID" Form0 Bild3
box="$(wait_window "Schriftliche Addition und Subtraktion")" || fail "no exit question"
activate "$box"
press Tab
press space
wait_exit || fail "the installed program did not end"
[[ "$PROGRAM_STATUS" == 0 ]] || fail "the installed program ended with status $PROGRAM_STATUS"
echo "PASS: Debian package"
