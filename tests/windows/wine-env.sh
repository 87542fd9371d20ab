# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The environment of every Wine command of the tests, sourced by wine-prefix.sh and
# wine-program.sh: `source wine-env.sh PREFIX`. Wine uses the private prefix PREFIX and keeps
# quiet; no Mono or Gecko installer is offered and no menu entry written. Wine links the Windows
# user's Documents and Desktop to folders of HOME: a home of its own keeps whatever the program
# saves there inside the prefix.
export WINEPREFIX="${1:?the Wine prefix}"
export HOME="$WINEPREFIX/home"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
