#pragma once

#include "platform/System.h"

#include <QFont>
#include <QString>

// The layout names two faces, "MS Sans Serif" and "Courier New", at point sizes. Which faces draw
// them depends on the system; none of them is a bitmap face, which a scaled screen would show in
// the nearest of its few pixel sizes, blown up.
namespace LayoutFont {

// A font of the layout at its point size, with the faces that draw it on `system`.
QFont font(System system, double points, bool bold, bool italic, const QString &family);

} // namespace LayoutFont

// A font of the layout on this system.
inline QFont fontPt(double points, bool bold = false, bool italic = false,
                    const QString &family = QStringLiteral("MS Sans Serif")) {
    return LayoutFont::font(thisSystem(), points, bold, italic, family);
}
