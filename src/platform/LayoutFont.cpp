#include "platform/LayoutFont.h"

namespace LayoutFont {

namespace {

bool monospaced(const QString &family) {
    return family == QStringLiteral("Courier New");
}

// The faces, best first, that draw the layout's `family` on `system`. "Courier New" is an
// outline face everywhere. "MS Sans Serif" is a bitmap face wherever Windows' fonts are (Wine
// brings them to Linux too); "Microsoft Sans Serif" is its outline twin, with its design and
// widths, on every Windows since XP. Where that is missing, Windows has Tahoma, its dialog face
// of the same size, and Linux the metric-compatible Liberation faces.
QStringList faces(System system, const QString &family) {
    if (monospaced(family)) {
        return {family, QStringLiteral("Liberation Mono")};
    }
    return {QStringLiteral("Microsoft Sans Serif"), system == System::Windows
                                                        ? QStringLiteral("Tahoma")
                                                        : QStringLiteral("Liberation Sans")};
}

} // namespace

QFont font(System system, double points, bool bold, bool italic, const QString &family) {
    QFont font;
    font.setFamilies(faces(system, family));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(monospaced(family) ? QFont::TypeWriter : QFont::SansSerif);
    return font;
}

} // namespace LayoutFont
