// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Printer.h"

// The browser has no printer of its own: the sheet is offered as a PDF download, which the
// browser's own print dialog prints.
class WebPrinter : public Printer {
public:
    Outcome print(const Document &document) override;
};
