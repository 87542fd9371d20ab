// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Printer.h"

#include <QPageLayout>
#include <optional>

class QIODevice;
class QPagedPaintDevice;

// A printed sheet as pages of lines in the document's font, and as a PDF file: what goes to the
// print system on Linux, to a file where no printer is set up, and to the browser's downloads.
namespace SheetPdf {

// Lines at the font's line spacing from the top left of the printable area, page by page.
bool paint(QPagedPaintDevice &device, const Printer::Document &document);

// The document as a PDF into an open device, on the given page layout (A4 when none is given).
bool write(QIODevice &device, const Printer::Document &document,
           const std::optional<QPageLayout> &layout = std::nullopt);

} // namespace SheetPdf
