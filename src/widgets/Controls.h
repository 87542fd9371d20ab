// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Builders for the plain controls of the layout tables. Geometry in pixels (use twipsRect), each
// control named after its table row so tests and tools find it.
namespace Controls {

void setColors(QWidget *widget, const QColor &foreground, const QColor &background);

QLabel *label(QWidget *parent, const char *name, const QRect &geometry, const QString &text,
              const QFont &font, const QColor &foreground, const QColor &background,
              Qt::Alignment alignment = Qt::AlignCenter, bool border = false);
// Gives a label of a derived class (a click target, a drop target) the same set-up as label().
QLabel *setUpLabel(QLabel *label, const char *name, const QRect &geometry, const QString &text,
                   const QFont &font, const QColor &foreground, const QColor &background,
                   Qt::Alignment alignment = Qt::AlignCenter, bool border = false);

// Buttons take the focus only by Tab, so a click never leaves a button that a typed space
// would press again.
QPushButton *button(QWidget *parent, const char *name, const QRect &geometry, const QString &text,
                    const QFont &font);

} // namespace Controls
