#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Anyone can check that a published .exe, zip, MSI or .deb comes from these sources: a clean
# copy of the tree, built in another folder minutes later, gives the same bytes as the tree's
# own builds (build/windows from scripts/windows.sh, the .deb from build/release). The static Qt
# for Windows comes from the cache both times and is not compared.
#
#   test_reproducible.sh SOURCE_DIR
set -uo pipefail
source_dir="$(cd "${1:?usage: $0 SOURCE_DIR}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL (reproducible): $*" >&2
    exit 1
}

# One time stands for every date in both builds, the time of the last commit unless the caller
# gives one, as scripts/windows.sh and cpack take it.
source "$source_dir/scripts/common.sh"
export_source_date_epoch
WINDOWS_FILES=(schriftlich-rechnen.exe schriftlich-rechnen-windows.zip schriftlich-rechnen.msi
    schriftlich-rechnen-*-source.tar.gz)

# debian_package TREE OUT: the Debian package of TREE's release build, its program and the
# documents it packs built first (nothing to do where ./test has built them), put in OUT.
debian_package() {
    local tree="$1" out="$2"
    (cd "$tree" && cmake --preset release >/dev/null &&
        cmake --build --preset release -j"$(nproc)" --target schriftlich-rechnen debian-docs &&
        cpack -G DEB --config build/release/CPackConfig.cmake -B "$out")
}

# sums TREE: the checksums of TREE's Windows files and Debian package, as TREE/../NAME.sums.
sums() {
    local tree="$1"
    # shellcheck disable=SC2068 # the source archive is named by a pattern
    (cd "$tree" && sha256sum ${WINDOWS_FILES[@]/#/build/windows/} deb/schriftlich-rechnen[_-]*) \
        >"$tree.sums" || fail "artefacts missing in $tree"
}

# copy_and_build DIR: the tree as it stands (committed or not, without build output) copied to
# DIR with its history, which the source archive is made from, and the Windows program with its
# packages and the Debian package built there.
copy_and_build() {
    local tree="$1"
    mkdir -p "$tree"
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
        xargs -0 cp --parents -t "$tree") || fail "cannot copy the tree to $tree"
    # The repository, with the HEAD and index of SOURCE_DIR's own work tree, which in a work tree
    # of git worktree's lie apart from it.
    local file
    cp -a "$(git -C "$source_dir" rev-parse --path-format=absolute --git-common-dir)" "$tree/.git" ||
        fail "cannot copy the history to $tree"
    for file in HEAD index; do
        cp "$(git -C "$source_dir" rev-parse --path-format=absolute --git-path "$file")" \
            "$tree/.git/$file" || fail "cannot copy git's $file to $tree"
    done
    (cd "$tree" && bash scripts/windows.sh) >"$tree.log" 2>&1 ||
        { tail -n 30 "$tree.log" >&2; fail "the Windows build in $tree failed"; }
    debian_package "$tree" "$tree/deb" >>"$tree.log" 2>&1 ||
        { tail -n 30 "$tree.log" >&2; fail "the Debian package in $tree failed"; }
    sums "$tree"
}

# The tree's own: its Windows files as scripts/windows.sh left them, its Debian package made from
# its release build into a folder of the test's (its build folder keeps nothing of it).
own="$work/own/schriftlich-rechnen"
mkdir -p "$own/build"
ln -s "$source_dir/build/windows" "$own/build/windows"
debian_package "$source_dir" "$own/deb" >"$own.log" 2>&1 ||
    { tail -n 30 "$own.log" >&2; fail "the tree's Debian package failed"; }
sums "$own"

started=$SECONDS
copy_and_build "$work/second-build/elsewhere/src"
echo "the clean copy built in $((SECONDS - started)) s"
diff "$own.sums" "$work/second-build/elsewhere/src.sums" >&2 ||
    fail "the clean copy's build differs from the tree's own (scripts/windows.sh run again after a change?)"
cat "$own.sums"
echo "PASS: reproducible"
