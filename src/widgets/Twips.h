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

// The layout tables name "MS Sans Serif" and "Courier New"; where those faces are missing, the
// metric-compatible Liberation faces stand in, which are narrower than fontconfig's default.
inline QFont fontPt(double points, bool bold = false, bool italic = false,
                    const QString &family = QStringLiteral("MS Sans Serif")) {
    const bool mono = family == QStringLiteral("Courier New");
    QFont font;
    font.setFamilies(
        {family, mono ? QStringLiteral("Liberation Mono") : QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(mono ? QFont::TypeWriter : QFont::SansSerif);
    return font;
}
