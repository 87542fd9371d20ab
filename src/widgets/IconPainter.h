// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/Icon.h"

#include <QIcon>
#include <QRectF>

class QPainter;

// Draws each Icon into any rectangle; the artwork is defined on a 32 x 32 grid and scaled.
namespace IconPainter {
void paint(QPainter &painter, Icon icon, const QRectF &target);
// The windows' own icon, painted at whatever size the desktop asks for.
QIcon windowIcon();
} // namespace IconPainter
