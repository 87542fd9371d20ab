#include "platform/QtPrinter.h"

#include "platform/PrintJob.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <algorithm>

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

bool QtPrinter::writePdf(const QString &path, const Document &document,
                         const std::optional<QPageLayout> &layout) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    if (layout) {
        pdf.setPageLayout(*layout);
    } else {
        pdf.setPageSize(QPageSize(QPageSize::A4));
    }
    pdf.setDocName(document.name);
    pdf.setOutputFileName(path);
    return paint(pdf, document);
}

QList<QStringList> QtPrinter::pages(const QStringList &lines, int linesPerPage) {
    // Every line keeps its place, blank ones too: a task sheet's answer lines are blank. Only the
    // blank lines after the last printed line would open a page for nothing.
    qsizetype end = lines.size();
    while (end > 0 && lines[end - 1].trimmed().isEmpty()) {
        --end;
    }
    const qsizetype perPage = std::max(linesPerPage, 1);
    QList<QStringList> result;
    for (qsizetype first = 0; first < end; first += perPage) {
        result.append(lines.mid(first, std::min(perPage, end - first)));
    }
    return result;
}

bool QtPrinter::paint(QPrinter &printer, const Document &document) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    QFont font(document.fontFamily);
    font.setPointSize(document.pointSize);
    font.setStyleHint(QFont::TypeWriter);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int linesPerPage = painter.viewport().height() / metrics.lineSpacing();
    bool firstPage = true;
    for (const QStringList &page : pages(document.lines, linesPerPage)) {
        if (!firstPage && !printer.newPage()) {
            painter.end();
            return false;
        }
        firstPage = false;
        int top = 0;
        for (const QString &line : page) {
            painter.drawText(0, top + metrics.ascent(), line);
            top += metrics.lineSpacing();
        }
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}
