// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
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
