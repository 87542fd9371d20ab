// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Printer.h"

// A print job on the Windows spooler is a row of calls, each checked. What the teacher is told
// follows from the call that failed and the error code the system gave (GetLastError), a
// decision kept apart from the calls so that it can be checked on every system.
class SpoolerOutcome {
public:
    // OpenPrinter, CreateDC, StartDoc, StartPage, the font and text calls, EndPage, EndDoc.
    enum class Step { Open, DeviceContext, StartDocument, StartPage, Draw, EndPage, EndDocument };

    // systemText: the system's own words for lastError.
    static Printer::Outcome failed(const QString &printer, Step step, quint32 lastError,
                                   const QString &systemText);
};
