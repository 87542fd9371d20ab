#pragma once

#include "platform/Printer.h"

class QPrinter;

// Prints through Qt to the system's default printer. Where the system has no printer at all, the
// document is written as a PDF file into a folder (the user's documents folder unless given), under
// a new name each time, so nothing is ever overwritten.
class QtPrinter : public Printer {
public:
    enum class Target { DefaultPrinter, FileOnly };

    explicit QtPrinter(Target target = Target::DefaultPrinter,
                       const QString &fileFolder = documentsFolder());

    Outcome print(const Document &document) override;

    static QString documentsFolder();

private:
    Outcome saveToFile(const Document &document) const;
    // Lines at the font's line spacing from the top left of the printable area, page by page.
    static bool paint(QPrinter &printer, const Document &document);

    Target target_;
    QString fileFolder_;
};
