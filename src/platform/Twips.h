#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <cmath>

// Geometry is written in twips, as the layout tables give it: 15 twips are one pixel at 96 dpi,
// and Qt scales pixels for high-dpi screens.
constexpr int twips(int t) {
    return t >= 0 ? (t + 7) / 15 : -((-t + 7) / 15);
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

inline QPoint twipsPoint(int left, int top) {
    return {twips(left), twips(top)};
}

// "MS Sans Serif" is the face the layout tables name. Where it is missing, Liberation Sans
// (Arial's widths) keeps captions inside their controls; fontconfig's usual DejaVu Sans is wider.
inline QFont fontPt(double points, bool bold = false, bool italic = false,
                    const QString &family = QStringLiteral("MS Sans Serif")) {
    QFont font(family);
    font.setFamilies({family, QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(family == QStringLiteral("Courier New") ? QFont::TypeWriter
                                                              : QFont::SansSerif);
    return font;
}
