#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Anyone can check that a published .exe, zip, MSI or .deb comes from these sources: two clean
# copies of the tree, in different folders and built minutes apart, give the same bytes. The
# static Qt for Windows comes from the cache both times and is not compared.
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

# build DIR: the tree as it stands (committed or not, without build output) copied to DIR with
# its history, which the source archive is made from, and the Windows program with its packages
# and the Debian package built there.
build() {
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
    (cd "$tree" && cmake --preset release -DBUILD_TESTING=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON &&
        cmake --build --preset release -j"$(nproc)" --target schriftlich-rechnen debian-docs &&
        cpack -G DEB --config build/release/CPackConfig.cmake -B "$tree/deb") >>"$tree.log" 2>&1 ||
        { tail -n 30 "$tree.log" >&2; fail "the Debian package in $tree failed"; }
    # shellcheck disable=SC2068 # the source archive is named by a pattern
    (cd "$tree" && sha256sum ${WINDOWS_FILES[@]/#/build/windows/} deb/schriftlich-rechnen[_-]*) \
        >"$tree.sums" || fail "artefacts missing in $tree"
}

started=$SECONDS
build "$work/first/schriftlich-rechnen"
build "$work/second-build/elsewhere/src"
echo "two builds in $((SECONDS - started)) s"
diff "$work/first/schriftlich-rechnen.sums" "$work/second-build/elsewhere/src.sums" >&2 ||
    fail "the two builds differ"
cat "$work/first/schriftlich-rechnen.sums"
echo "PASS: reproducible"
