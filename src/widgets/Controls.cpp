// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/Controls.h"

#include "widgets/IconPainter.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace Controls {

void setColors(QWidget *widget, const QColor &foreground, const QColor &background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, foreground);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Text, foreground);
    palette.setColor(QPalette::Base, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel *label(QWidget *parent, const char *name, const QRect &geometry, const QString &text,
              const QFont &font, const QColor &foreground, const QColor &background,
              Qt::Alignment alignment, bool border) {
    return setUpLabel(new QLabel(parent), name, geometry, text, font, foreground, background,
                      alignment, border);
}

QLabel *setUpLabel(QLabel *label, const char *name, const QRect &geometry, const QString &text,
                   const QFont &font, const QColor &foreground, const QColor &background,
                   Qt::Alignment alignment, bool border) {
    label->setText(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    setColors(label, foreground, background);
    if (border) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    }
    return label;
}

QPushButton *button(QWidget *parent, const char *name, const QRect &geometry, const QString &text,
                    const QFont &font) {
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(font);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace Controls
