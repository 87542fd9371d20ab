// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

// A font of the layout, which names two faces, "MS Sans Serif" and "Courier New", at point sizes.
// Wherever Windows' fonts are (on Windows; on Linux where Wine's are visible), "MS Sans Serif" is
// a bitmap face in a few pixel sizes that a scaled screen shows blown up: its outline twin draws
// it, with its design and widths, on every Windows since XP ("Microsoft Sans Serif"). Where that
// is missing (Linux, Wine), the metric-compatible Liberation faces stand in; Courier New is an
// outline face everywhere.
QFont fontPt(double points, bool bold = false, bool italic = false,
             const QString &family = QStringLiteral("MS Sans Serif"));
