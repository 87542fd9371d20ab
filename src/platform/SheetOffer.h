// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Printer.h"

// In the browser a sheet leaves the program as a PDF file: handed to the system's share sheet
// where the browser can share files (iPadOS, ChromeOS, Windows: "Drucken" is one tap there),
// downloaded elsewhere. What the teacher is told follows from how that ended, a decision kept
// apart from the browser so that it can be checked on every system.
namespace SheetOffer {

// How the browser's handing over ended (the numbers its script answers with).
enum class Ended {
    Refused = 0,           // neither shared nor downloaded: the browser refused both
    Downloaded = 1,        // into the browser's downloads
    DownloadedToFiles = 2, // iPadOS and iOS: into the Files app's "Downloads"
    Shared = 3,            // the share sheet took it
    ShareCancelled = 4,    // the teacher closed the share sheet
};

Printer::Outcome outcome(int ended, const QString &fileName);

} // namespace SheetOffer
