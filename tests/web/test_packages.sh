#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser folder as it is published carries the licence (LICENSE, word for word), the notices
# of every part by other authors that the program links and the exact source; the page links all
# three, and the service worker keeps the licence and the notices for use without a network.
#
#   test_packages.sh BUILD_DIR
set -uo pipefail
build="$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)"
site="$build/site"
repo="$(cd "$(dirname "$0")/../.." && pwd)"
fail() {
    echo "FAIL (browser folder): $*" >&2
    exit 1
}

cmp -s "$site/LICENSE.txt" "$repo/LICENSE" || fail "LICENSE.txt is not LICENSE"
archive="$(ls "$site"/schriftlich-rechnen-*-source.tar.gz 2>/dev/null)"
bash "$repo/tests/notices.sh" "$site/THIRD-PARTY-NOTICES.txt" "$build/schriftlich-rechnen.map" \
    "$build" "$archive" || fail "the notices are incomplete"
bash "$repo/tests/source-archive.sh" "$archive" || fail "the source archive is not the tree"
for link in LICENSE.txt THIRD-PARTY-NOTICES.txt "${archive##*/}"; do
    grep -qF "href=\"$link\"" "$site/index.html" || fail "the page does not link $link"
done
for kept in LICENSE.txt THIRD-PARTY-NOTICES.txt; do
    grep -qF "\"$kept\"" "$site/sw.js" || fail "the service worker does not keep $kept"
done
for server in .htaccess web.config; do
    cmp -s "$site/$server" "$repo/packaging/web/$server" || fail "$server is not in the folder"
    grep -qF "\"$server\"" "$site/sw.js" && fail "the service worker keeps $server"
done
xmllint --noout "$site/web.config" || fail "web.config is no well-formed XML"
twice="$(xmllint --xpath 'count(//mimeMap[not(preceding-sibling::*[1][self::remove]/@fileExtension
    = @fileExtension)])' "$site/web.config")"
[[ "$twice" == 0 ]] || fail "web.config sets $twice type(s) without removing IIS's own first"
grep -q "@license" "$site/schriftlich-rechnen.js" ||
    fail "the program's JavaScript lost Emscripten's licence notice"
echo "PASS: browser folder"
