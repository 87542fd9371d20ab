// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QStringList>

// How the lines of a printed sheet fall on its pages, alike wherever the sheet goes: into a PDF
// drawn by Qt or to the Windows spooler through its own calls.
namespace Paging {

// The lines of each page: the document's lines in order, at most linesPerPage to a page, each
// page full before the next; blank lines after the last printed line are left out.
QList<QStringList> pages(const QStringList &lines, int linesPerPage);

} // namespace Paging
