// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/desktop/QtPrinter.h"

#include "platform/PrintJob.h"
#include "platform/SheetPdf.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

// Creates the file so no other document can take its name; "Name 2026-12-08 10-15-03.pdf", with
// " (2)", " (3)" ... added while a name is taken. Empty when the folder cannot hold a new file.
QString reserveFile(const QString &folder, const QString &name) {
    const QString stem =
        name + QLatin1Char(' ') +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    const QDir dir(folder);
    for (int counter = 1; counter < 1000; ++counter) {
        const QString suffix = counter == 1 ? QString() : QStringLiteral(" (%1)").arg(counter);
        QFile file(dir.filePath(stem + suffix + QStringLiteral(".pdf")));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return file.fileName();
        }
        if (!file.exists()) {
            return {};
        }
    }
    return {};
}

// The document as a new PDF file at path, on A4.
bool writePdf(const QString &path, const Printer::Document &document) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           SheetPdf::write(file, document) && file.flush();
}

} // namespace

QtPrinter::QtPrinter(Target target, const QString &fileFolder)
    : target_(target), fileFolder_(fileFolder) {
}

QString QtPrinter::documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

Printer::Outcome QtPrinter::print(const Document &document) {
    if (target_ == Target::FileOnly) {
        return saveToFile(document, Outcome::Printers::None);
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        // Qt leaves out a default printer it cannot open (on Windows, a network printer whose
        // server is off): it is still the teacher's printer, not a missing one.
        const QString chosen = QPrinterInfo::defaultPrinterName();
        if (!chosen.isEmpty()) {
            return {Outcome::Kind::Unreachable, chosen};
        }
        return saveToFile(document, QPrinterInfo::availablePrinterNames().isEmpty()
                                        ? Outcome::Printers::None
                                        : Outcome::Printers::NoDefault);
    }
    return PrintJob::submit(info, document);
}

Printer::Outcome QtPrinter::saveToFile(const Document &document, Outcome::Printers printers) const {
    const QString path =
        QDir().mkpath(fileFolder_) ? reserveFile(fileFolder_, document.name) : QString();
    if (path.isEmpty()) {
        return {Outcome::Kind::Failed, QDir::toNativeSeparators(fileFolder_), printers};
    }
    if (!writePdf(path, document)) {
        QFile::remove(path);
        return {Outcome::Kind::Failed, QDir::toNativeSeparators(fileFolder_), printers};
    }
    return {Outcome::Kind::SavedToFile, QDir::toNativeSeparators(path), printers};
}
