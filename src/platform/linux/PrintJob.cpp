// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PrintJob.h"

#include "platform/SheetPdf.h"
#include "platform/linux/CupsLibrary.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

// Qt's own CUPS engine hands its PDF to libcups without looking at the answer, so a queue that
// rejects jobs would still count as printed. The sheet is written as a PDF here and handed over
// by us, and only a job number from the print system counts as printed.
Printer::Outcome PrintJob::submit(const QPrinterInfo &printer, const Printer::Document &document) {
    using Outcome = Printer::Outcome;
    const QString name = printer.printerName();
    const auto refused = [&name](const QString &reason) {
        return Outcome{Outcome::Kind::Failed, name, Outcome::Printers::Default, reason};
    };
    QString failure;
    const std::optional<CupsLibrary> cups = CupsLibrary::open(CupsLibrary::kFileName, failure);
    if (!cups) {
        return refused(failure);
    }
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("schriftlich-rechnen-XXXXXX.pdf")));
    // The printer's own paper and margins, as Qt would have laid the page out for it.
    if (!file.open() || !SheetPdf::write(file, document, QPrinter(printer).pageLayout()) ||
        !file.flush()) {
        return {Outcome::Kind::NotPrepared, QDir::toNativeSeparators(QDir::tempPath())};
    }

    // Qt names a printer's instance "queue/instance".
    const QList<QByteArray> queue = name.toUtf8().split('/');
    cups_dest_t *dest = cups->getNamedDest(CUPS_HTTP_DEFAULT, queue.first().constData(),
                                           queue.size() > 1 ? queue[1].constData() : nullptr);
    int job = 0;
    if (dest != nullptr) {
        job = cups->printFile2(
            CUPS_HTTP_DEFAULT, dest->name, QFile::encodeName(file.fileName()).constData(),
            document.name.toUtf8().constData(), dest->num_options, dest->options);
        cups->freeDests(1, dest);
    }
    if (job == 0) {
        return refused(QString::fromUtf8(cups->lastErrorString()));
    }
    return {Outcome::Kind::Printed, name};
}
