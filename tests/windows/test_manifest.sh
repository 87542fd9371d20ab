#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The .exe carries exactly one application manifest, where Windows looks for it (resource type
# 24, id 1), and it is ours, whole and well-formed: a second one (a toolchain's default manifest)
# could be the one Windows takes, and Windows refuses to start a program whose manifest is not
# well-formed XML. What the manifest says is explained in the manifest itself.
set -euo pipefail
exe="${1:?usage: $0 PROGRAM.exe MANIFEST}"
ours="${2:?usage: $0 PROGRAM.exe MANIFEST}"

fail() {
    echo "FAIL (manifest): $*" >&2
    exit 1
}

resources="$(wrestool --list --type=24 "$exe")" || fail "no resources could be read from $exe"
[[ "$(grep -c -- '--type=24' <<<"$resources")" == 1 ]] ||
    fail "expected one manifest resource, found: ${resources:-none}"
[[ "$resources" == *"--name=1 "* ]] || fail "the manifest is not resource 1: $resources"
manifest="$(mktemp)"
trap 'rm -f "$manifest"' EXIT
wrestool --extract --raw --type=24 --name=1 "$exe" >"$manifest"
xmllint --noout "$manifest" || fail "the manifest is no well-formed XML"
cmp -s "$manifest" "$ours" || fail "the manifest in the .exe is not $ours"
echo "manifest: one, resource 1, well-formed, ours"
