#pragma once

#include "platform/Printer.h"

#include <QList>
#include <QPageLayout>
#include <optional>

class QPrinter;

// Prints to the system's default printer, pages drawn with Qt and handed over as a PrintJob. Where
// the system has no default printer, the document is written as a PDF file into a folder (the
// user's documents folder unless given), under a new name each time, so nothing is ever
// overwritten.
class QtPrinter : public Printer {
public:
    enum class Target { DefaultPrinter, FileOnly };

    explicit QtPrinter(Target target = Target::DefaultPrinter,
                       const QString &fileFolder = documentsFolder());

    Outcome print(const Document &document) override;

    static QString documentsFolder();

    // The lines of each page: the document's lines in order, at most linesPerPage to a page, each
    // page full before the next; blank lines after the last printed line are left out.
    static QList<QStringList> pages(const QStringList &lines, int linesPerPage);
    // Lines at the font's line spacing from the top left of the printable area, page by page.
    static bool paint(QPrinter &printer, const Document &document);
    // The document as a PDF file at path, on the given page layout (A4 when none is given).
    static bool writePdf(const QString &path, const Document &document,
                         const std::optional<QPageLayout> &layout = std::nullopt);

private:
    Outcome saveToFile(const Document &document, Outcome::Printers printers) const;

    Target target_;
    QString fileFolder_;
};
