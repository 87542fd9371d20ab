# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once the package is made: the exact source, which the package's copyright file
# names, in the folder that the package goes to.
execute_process(COMMAND bash ${CPACK_SR_SOURCE_DIR}/scripts/source-archive.sh
  ${CPACK_PACKAGE_DIRECTORY} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
