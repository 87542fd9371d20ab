// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Printer.h"

// The browser has no printer of its own: the sheet is handed over as a PDF file, to the system's
// share sheet where the browser can share files, else as a download (SheetOffer).
class WebPrinter : public Printer {
public:
    Outcome print(const Document &document) override;
};
