// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/LayoutFont.h"

QFont fontPt(double points, bool bold, bool italic, const QString &family) {
    const bool mono = family == QStringLiteral("Courier New");
    QFont font;
    font.setFamilies(mono ? QStringList{family, QStringLiteral("Liberation Mono")}
                          : QStringList{QStringLiteral("Microsoft Sans Serif"),
                                        QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(mono ? QFont::TypeWriter : QFont::SansSerif);
    return font;
}
