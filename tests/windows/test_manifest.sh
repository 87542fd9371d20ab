#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The .exe carries exactly one application manifest, where Windows looks for it (resource type
# 24, id 1), and it says what the program is: made for Windows 10 and 11, sharp at every
# monitor's scale, drawn with the current common controls, started without an administrator
# prompt. Windows ignores an element outside its namespace, so each is looked up with its own.
set -euo pipefail
exe="${1:?usage: $0 PROGRAM.exe}"

fail() {
    echo "FAIL (manifest): $*" >&2
    exit 1
}

resources="$(wrestool --list --type=24 "$exe")" || fail "no resources could be read from $exe"
[[ "$(grep -c -- '--type=24' <<<"$resources")" == 1 ]] ||
    fail "expected one manifest resource, found: ${resources:-none}"
[[ "$resources" == *"--name=1 "* ]] || fail "the manifest is not resource 1: $resources"
manifest="$(wrestool --extract --raw --type=24 --name=1 "$exe")"
xmllint --noout - <<<"$manifest" || fail "the manifest is no well-formed XML"

# The value of an XPath expression over elements named by namespace and local name.
value() {
    xmllint --xpath "$1" - <<<"$manifest"
}
element() {
    printf '//*[namespace-uri()="%s" and local-name()="%s"]' "$1" "$2"
}

asm_v1=urn:schemas-microsoft-com:asm.v1
asm_v3=urn:schemas-microsoft-com:asm.v3
compat=urn:schemas-microsoft-com:compatibility.v1
settings2005=http://schemas.microsoft.com/SMI/2005/WindowsSettings
settings2016=http://schemas.microsoft.com/SMI/2016/WindowsSettings

expect() {
    local what=$1 expression=$2 wanted=$3 got
    got="$(value "$expression")"
    [[ "$got" == "$wanted" ]] || fail "$what: expected '$wanted', found '$got'"
}

expect "execution level" "string($(element "$asm_v3" requestedExecutionLevel)/@level)" asInvoker
expect "Windows 10 and 11 named as supported" \
    "count($(element "$compat" supportedOS)[@Id='{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'])" 1
# Windows 10 takes the first awareness it knows from the list.
expect "DPI awareness" \
    "substring-before(concat(normalize-space($(element "$settings2016" dpiAwareness)), ','), ',')" \
    PerMonitorV2
expect "DPI awareness before Windows 10" \
    "normalize-space($(element "$settings2005" dpiAware))" true/pm
expect "common controls" \
    "string($(element "$asm_v1" dependentAssembly)/*[local-name()='assemblyIdentity' and @name='Microsoft.Windows.Common-Controls']/@version)" \
    6.0.0.0
echo "manifest: one, with asInvoker, Windows 10/11, PerMonitorV2, common controls 6"
