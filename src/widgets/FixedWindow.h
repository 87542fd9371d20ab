// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>

class QWidget;

// A top-level window of the program: caption, close box and the program's icon, a client area of
// the given twips that cannot be resized, and its background. All but the start window have a
// fixed dialog border. Controls parked outside the client area take no keyboard focus.
void makeFixedWindow(QWidget &window, const char *name, const QString &caption, int widthTwips,
                     int heightTwips, const QColor &background, bool dialogBorder = true);
