// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SheetPdf.h"

#include "platform/Paging.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>

namespace SheetPdf {

bool paint(QPagedPaintDevice &device, const Printer::Document &document) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    QFont font(document.fontFamily);
    font.setPointSize(document.pointSize);
    font.setStyleHint(QFont::TypeWriter);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int linesPerPage = painter.viewport().height() / metrics.lineSpacing();
    bool firstPage = true;
    for (const QStringList &page : Paging::pages(document.lines, linesPerPage)) {
        if (!firstPage && !device.newPage()) {
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
    return painter.end();
}

bool write(QIODevice &device, const Printer::Document &document,
           const std::optional<QPageLayout> &layout) {
    QPdfWriter pdf(&device);
    // The resolution a printer's driver draws at, so the text stands where it would on paper.
    pdf.setResolution(1200);
    if (layout) {
        pdf.setPageLayout(*layout);
    } else {
        pdf.setPageSize(QPageSize(QPageSize::A4));
    }
    pdf.setTitle(document.name);
    pdf.setCreator(QStringLiteral("schriftlich-rechnen"));
    return paint(pdf, document);
}

} // namespace SheetPdf
