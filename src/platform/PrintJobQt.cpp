#include "platform/PrintJob.h"

#include "platform/QtPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

// Qt's Windows print engine hands the pages to the printer driver itself and reports its errors.
Printer::Outcome PrintJob::submit(const QPrinterInfo &printer, const Printer::Document &document) {
    using Outcome = Printer::Outcome;
    QPrinter job(printer, QPrinter::HighResolution);
    job.setDocName(document.name);
    const bool printed = QtPrinter::paint(job, document);
    return {printed ? Outcome::Kind::Printed : Outcome::Kind::Failed, printer.printerName()};
}
