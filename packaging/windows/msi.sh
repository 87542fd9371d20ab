#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the MSI for school IT from the files of the teachers' zip:
#
#   msi.sh PAYLOAD_DIR ICON VERSION OUT.msi
#
# PAYLOAD_DIR holds schriftlich-rechnen.exe, LIESMICH.txt, LICENSE.txt and
# THIRD-PARTY-NOTICES.txt; ICON is the program's .ico for the Start menu and "Apps & Features".
# The product code is derived from the version and the package code from the contents, and
# every file carries SOURCE_DATE_EPOCH as its time, so the same input gives the same MSI.
set -euo pipefail
payload="${1:?usage: $0 PAYLOAD_DIR ICON VERSION OUT.msi}"
icon="${2:?the .ico}"
version="${3:?the version}"
out="$(realpath "${4:?the .msi to write}")"
: "${SOURCE_DATE_EPOCH:?the time to give every file (seconds since 1970)}"
here="$(cd "$(dirname "$0")" && pwd)"
# wixl finds its files only by relative paths: they are copied into a folder of their own.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$payload" "$work/payload"
cp "$icon" "$work/program.ico"
cd "$work"
payload=payload
icon=program.ico

# A name-based GUID (the layout of RFC 4122 version 5, from SHA-1) of the given words.
guid_of() {
    local hash
    hash="$(printf '%s' "$*" | sha1sum | cut -c1-32)"
    printf '%s-%s-5%s-%x%s-%s\n' "${hash:0:8}" "${hash:8:4}" "${hash:13:3}" \
        $(((16#${hash:16:1} & 3) | 8)) "${hash:17:3}" "${hash:20:12}" | tr a-f A-F
}

product_code="$(guid_of schriftlich-rechnen product "$version")"
package_code="$(guid_of schriftlich-rechnen package "$version" \
    "$(cd "$payload" && sha256sum schriftlich-rechnen.exe LIESMICH.txt LICENSE.txt \
        THIRD-PARTY-NOTICES.txt)" "$(sha256sum <"$icon")" "$(sha256sum <"$here/schriftlich-rechnen.wxs")")"

# The cabinet inside keeps each file's time, and wixl writes the clock's time as the MSI's
# creation time and a random package code: the clock is stopped at SOURCE_DATE_EPOCH for it
# (faketime -f; without -f the clock starts there and runs on, so a slow build wrote a later
# second), and the package code set afterwards.
touch -d "@$SOURCE_DATE_EPOCH" "$payload"/* "$icon"
TZ=UTC faketime -f "$(TZ=UTC date -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')" \
    wixl --arch x64 -D Version="$version" -D ProductCode="$product_code" \
    -D Payload="$payload" -D Icon="$icon" -o "$out" "$here/schriftlich-rechnen.wxs"
summary="$(msiinfo suminfo "$out")"
field() { sed -n "s/^$1: //p" <<<"$summary"; }
msibuild "$out" -s "$(field Subject)" "$(field Author)" "$(field Template)" "{$package_code}"
