// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Clipboard.h"
#include "platform/Printer.h"

#include <memory>

// The printer and clipboard of this build's system: the desktop's through Qt and the print
// system, or the browser's, where a sheet becomes a PDF download.
struct SystemServices {
    std::unique_ptr<Printer> printer;
    std::unique_ptr<Clipboard> clipboard;

    // Defined in the system's folder of platform/, which the build compiles.
    static SystemServices make();
};
