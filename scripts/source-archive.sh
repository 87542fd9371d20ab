#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The exact source of a build, to publish beside it as the GPL asks:
#
#   source-archive.sh OUT_DIR   ->  OUT_DIR/schriftlich-rechnen-VERSION-source.tar.gz
#
# It holds every tracked file as the work tree has it (a build from a tree with changes not yet
# committed is published with them) under schriftlich-rechnen-VERSION/. Every entry is dated
# SOURCE_DATE_EPOCH, by default the time of the last commit, so the same tree gives the same bytes.
# Prints the commit the archive was made of, for the notices that name it.
set -euo pipefail
out="${1:?usage: $0 OUT_DIR}"
source "$(dirname "$0")/common.sh"
cd "$REPO_ROOT"
export_source_date_epoch

version="$(sed -n 's/^project(schriftlich-rechnen VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)"
name="schriftlich-rechnen-$version"
# git archive dates every entry by its commit. A commit of the work tree's tracked files, on top
# of HEAD, by a fixed author at SOURCE_DATE_EPOCH, is the same object whenever the tree is.
# The tracked files as the work tree has them, staged in a copy of the index (the tree's own
# index is left alone).
index="$(mktemp)"
trap 'rm -f "$index"' EXIT
cp "$(git rev-parse --git-path index)" "$index"
tree="$(GIT_INDEX_FILE="$index" git add -u && GIT_INDEX_FILE="$index" git write-tree)"
commit="$(git rev-parse HEAD)"
if [[ "$tree" != "$(git rev-parse "HEAD^{tree}")" ]]; then
    commit="$commit (with changes not yet committed)"
fi
export GIT_AUTHOR_NAME=schriftlich-rechnen GIT_AUTHOR_EMAIL=source@schriftlich-rechnen.example
export GIT_COMMITTER_NAME="$GIT_AUTHOR_NAME" GIT_COMMITTER_EMAIL="$GIT_AUTHOR_EMAIL"
export GIT_AUTHOR_DATE="@$SOURCE_DATE_EPOCH +0000" GIT_COMMITTER_DATE="@$SOURCE_DATE_EPOCH +0000"
dated="$(git commit-tree "$tree" -p HEAD -m "$name")"

mkdir -p "$out"
archive="$out/$name-source.tar.gz"
git archive --format=tar --prefix="$name/" "$dated" | gzip -9n >"$archive.part"
mv "$archive.part" "$archive"
echo "$commit"
