// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/web/WebPrinter.h"

#include "platform/SheetPdf.h"

#include <QBuffer>
#include <QFileDialog>

Printer::Outcome WebPrinter::print(const Document &document) {
    QBuffer pdf;
    const QString fileName = document.name + QStringLiteral(".pdf");
    if (!pdf.open(QIODevice::WriteOnly) || !SheetPdf::write(pdf, document)) {
        return {Outcome::Kind::NotPrepared, fileName};
    }
    QFileDialog::saveFileContent(pdf.data(), fileName);
    return {Outcome::Kind::Downloaded, fileName};
}
