// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Paging.h"

#include <algorithm>

namespace Paging {

QList<QStringList> pages(const QStringList &lines, int linesPerPage) {
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

} // namespace Paging
