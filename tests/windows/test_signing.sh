#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A school that holds a code-signing certificate signs without editing scripts: with
# SR_SIGN_PKCS12 and SR_SIGN_PASSWORD_FILE set, the packaging signs the .exe and the MSI
# (Authenticode, SHA-256), osslsigncode verifies both against the certificate, and the signed
# .exe still runs under Wine. The certificate is a throw-away one made here. Without the
# variables nothing is signed; a signed run replaces the unsigned packages in the same folder.
# Run by ctest with the Wine starter as the program.
source "$(dirname "$0")/../e2e/lib.sh"

build="$(dirname "${SR_WINDOWS_EXE:?the built .exe}")"
packaging="$(dirname "$0")/../../packaging/windows"
certs="$E2E_TMP/certs"
mkdir -p "$certs"
openssl rand -hex 16 >"$certs/password"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Schriftlich-rechnen-Team Test" \
    -addext extendedKeyUsage=codeSigning -keyout "$certs/key.pem" -out "$certs/cert.pem" \
    >"$E2E_TMP/openssl.log" 2>&1 || { cat "$E2E_TMP/openssl.log" >&2; fail "no certificate"; }
openssl pkcs12 -export -inkey "$certs/key.pem" -in "$certs/cert.pem" -out "$certs/cert.p12" \
    -passout "file:$certs/password" || fail "no PKCS#12 file"

# Signed into a folder that already holds the unsigned packages of scripts/windows.sh, as a
# distributor signs after a first unsigned build.
out="$E2E_TMP/packages"
mkdir -p "$out"
cp "$build/schriftlich-rechnen-windows.zip" "$build/schriftlich-rechnen.msi" "$out/"
SR_SIGN_PKCS12="$certs/cert.p12" SR_SIGN_PASSWORD_FILE="$certs/password" \
    bash "$packaging/package.sh" "$build" "$out" >"$E2E_TMP/package.log" 2>&1 ||
    { cat "$E2E_TMP/package.log" >&2; fail "packaging with a certificate failed"; }
grep -q '^=== Signing with ' "$E2E_TMP/package.log" || fail "the packaging did not say it signs"
unzip -q "$out/schriftlich-rechnen-windows.zip" schriftlich-rechnen.exe -d "$E2E_TMP" ||
    fail "no .exe in the zip"

# verify FILE: osslsigncode finds a SHA-256 signature by our certificate and accepts it.
verify() {
    local report
    report="$(osslsigncode verify -CAfile "$certs/cert.pem" -in "$1" 2>&1)"
    grep -q '^Succeeded' <<<"$report" && grep -qi 'sha256' <<<"$report" &&
        grep -q 'Schriftlich-rechnen-Team Test' <<<"$report"
}
verify "$E2E_TMP/schriftlich-rechnen.exe" || fail "the .exe in the zip is not signed by the certificate"
verify "$out/schriftlich-rechnen.msi" || fail "the MSI is not signed by the certificate"
# What scripts/windows.sh made without the variables carries no signature.
! osslsigncode verify -CAfile "$certs/cert.pem" -in "$build/schriftlich-rechnen.msi" >/dev/null 2>&1 ||
    fail "the MSI built without a certificate is signed"
! osslsigncode extract-signature -in "$build/schriftlich-rechnen.exe" -out "$E2E_TMP/none.sig" \
    >/dev/null 2>&1 || fail "the .exe built without a certificate is signed"

# The signed program starts, and ends when asked.
SR_WINDOWS_EXE="$E2E_TMP/schriftlich-rechnen.exe" \
    bash "$(dirname "$0")/../e2e/test_start_window.sh" "$PROGRAM" || fail "the signed .exe does not run"
echo "PASS: the .exe and the MSI are signed with the certificate given, and the signed .exe runs"
