#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# What is published for Windows, made from the built program:
#
#   package.sh BUILD_DIR OUT_DIR
#
#   OUT_DIR/schriftlich-rechnen-windows.zip              for teachers: schriftlich-rechnen.exe,
#                                                        LIESMICH.txt, LICENSE.txt,
#                                                        THIRD-PARTY-NOTICES.txt
#   OUT_DIR/schriftlich-rechnen.msi                      for school IT: the same files, per machine
#   OUT_DIR/schriftlich-rechnen-VERSION-source.tar.gz    the exact source of both, as the GPL asks
#
# With SR_SIGN_PKCS12 (certificate and key as a PKCS#12 file) and SR_SIGN_PASSWORD_FILE (a file
# holding its password) set, the .exe and the MSI are signed (Authenticode, SHA-256), time-stamped
# by SR_SIGN_TIMESTAMP_URL if that is set too. Every file is dated SOURCE_DATE_EPOCH (by default the
# time of the last commit), so the same sources give the same bytes. Each is written under a
# temporary name and then moved into place, so any run, signed or not, replaces the last.
set -euo pipefail
build="$(cd "${1:?usage: $0 BUILD_DIR OUT_DIR}" && pwd)"
mkdir -p "${2:?usage: $0 BUILD_DIR OUT_DIR}"
out="$(cd "$2" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../scripts/common.sh"
export_source_date_epoch
# Zip stores local times.
export TZ=UTC

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
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

# Windows' Notepad reads UTF-8 and wants CR LF.
crlf() { sed 's/\r*$/\r/'; }

# The exact source beside the packages; the notices name it and its commit.
commit="$(bash "$REPO_ROOT/scripts/source-archive.sh" "$stage")"
source_archive="schriftlich-rechnen-$version-source.tar.gz"

payload="$stage/payload"
mkdir "$payload"
sign "$build/schriftlich-rechnen.exe" "$payload/schriftlich-rechnen.exe"
sed "s/@PROJECT_VERSION@/$version/g" "$REPO_ROOT/packaging/windows/LIESMICH.txt" |
    crlf >"$payload/LIESMICH.txt"
crlf <"$REPO_ROOT/LICENSE" >"$payload/LICENSE.txt"
bash "$REPO_ROOT/packaging/notices/notices.sh" windows "$build/schriftlich-rechnen.map" "$build" \
    "$source_archive" "$commit" | crlf >"$payload/THIRD-PARTY-NOTICES.txt"
files=(schriftlich-rechnen.exe LIESMICH.txt LICENSE.txt THIRD-PARTY-NOTICES.txt)
touch -d "@$SOURCE_DATE_EPOCH" "$payload"/*

# zip -X leaves out owners and extra times; the files go in in the listed order.
(cd "$payload" && zip -q -9 -X "$stage/schriftlich-rechnen-windows.zip" "${files[@]}")

bash "$here/msi.sh" "$payload" "$build/packaging/windows/schriftlich-rechnen.ico" "$version" \
    "$stage/unsigned.msi"
sign "$stage/unsigned.msi" "$stage/schriftlich-rechnen.msi"

for file in schriftlich-rechnen-windows.zip schriftlich-rechnen.msi "$source_archive"; do
    mv -f "$stage/$file" "$out/$file.part"
    mv -f "$out/$file.part" "$out/$file"
    echo "=== $out/$file ($(du -k "$out/$file" | cut -f1) KiB)"
done
