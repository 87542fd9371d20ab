#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A published source archive is the source of the build beside it: under one folder it holds
# exactly the files git tracks in this tree, each as the tree has it, and that folder configures
# as a fresh checkout does (configured only, to keep the check short).
#
#   source-archive.sh ARCHIVE
set -uo pipefail
archive="${1:?usage: $0 ARCHIVE}"
repo="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL (source archive): $*" >&2
    exit 1
}

[[ -f "$archive" ]] || fail "no source archive at $archive"
tar -xzf "$archive" -C "$work" || fail "$archive does not unpack"
folders=("$work"/*)
((${#folders[@]} == 1)) || fail "the archive does not hold exactly one folder"
top="${folders[0]}"
# Tracked files, less those the work tree has deleted.
LC_ALL=C comm -23 <(git -C "$repo" ls-files | LC_ALL=C sort) \
    <(git -C "$repo" ls-files --deleted | LC_ALL=C sort) >"$work/tracked"
diff <(cd "$top" && find . -type f -printf '%P\n' | LC_ALL=C sort) "$work/tracked" \
    >"$work/files.diff" ||
    { cat "$work/files.diff" >&2; fail "the archive's files are not the tracked files"; }
while IFS= read -r file; do
    cmp -s "$top/$file" "$repo/$file" || fail "$file differs from the tree's"
done <"$work/tracked"
(cd "$top" && cmake --preset release >"$work/configure.log" 2>&1) ||
    { tail -n 20 "$work/configure.log" >&2; fail "the unpacked source does not configure"; }
