// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Printer.h"

class QPrinterInfo;

// One document handed to the system's default printer, and whether the print system took it.
// Each system has its own way: libcups on Linux and the spooler's calls on Windows, where Qt's
// engines do not pass on every refusal.
class PrintJob {
public:
    static Printer::Outcome submit(const QPrinterInfo &printer, const Printer::Document &document);
};
