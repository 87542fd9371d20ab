#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the Windows program under Wine, in the prefix that the test set-up made, as a teacher
# starts the copied .exe on a classroom PC. The end-to-end tests take this script as the program.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh" "${SR_WINEPREFIX:?the Wine prefix of the test set-up}"
exec wine "${SR_WINDOWS_EXE:?the .exe under test}" "$@"
