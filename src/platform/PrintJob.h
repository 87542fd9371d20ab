#pragma once

#include "platform/Printer.h"

class QPrinterInfo;

// One document handed to the system's default printer, and whether the print system took it.
// Each system has its own way: libcups on Linux, where Qt's engine does not pass on a refusal, and
// Qt's print engine on Windows.
class PrintJob {
public:
    static Printer::Outcome submit(const QPrinterInfo &printer, const Printer::Document &document);
};
