#pragma once

#include "platform/Printer.h"

// The browser has no printer of its own: the sheet is offered as a PDF download, which the
// browser's own print dialog prints.
class WebPrinter : public Printer {
public:
    Outcome print(const Document &document) override;
};
