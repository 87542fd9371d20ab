// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Printer.h"

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

private:
    Outcome saveToFile(const Document &document, Outcome::Printers printers) const;

    Target target_;
    QString fileFolder_;
};
