// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/web/WebPrinter.h"

#include "platform/SheetOffer.h"
#include "platform/SheetPdf.h"
#include "platform/web/HostScript.h"

#include <QBuffer>

Printer::Outcome WebPrinter::print(const Document &document) {
    QBuffer pdf;
    const QString fileName = document.name + QStringLiteral(".pdf");
    if (!pdf.open(QIODevice::WriteOnly) || !SheetPdf::write(pdf, document)) {
        return {Outcome::Kind::NotPrepared, fileName};
    }
    const QByteArray &bytes = pdf.data();
    return SheetOffer::outcome(
        offerFile(bytes.constData(), static_cast<int>(bytes.size()), fileName.toUtf8().constData()),
        fileName);
}
