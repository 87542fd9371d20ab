// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/PictureBox.h"

#include "widgets/Colors.h"
#include "widgets/Controls.h"
#include "widgets/IconPainter.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent, const char *name, const QRect &geometry,
                       std::optional<Icon> icon, const QColor &background,
                       const QString &accessibleName)
    : QWidget(parent), icon_(icon) {
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    Controls::setColors(this, Colors::kSchwarz, background);
    setAccessibleName(accessibleName);
}

void PictureBox::paintEvent(QPaintEvent *) {
    if (!icon_) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Icons are 32 x 32 at 96 dpi, centred in the box like a picture of the layout.
    const QRectF target((width() - 32) / 2.0, (height() - 32) / 2.0, 32, 32);
    IconPainter::paint(painter, *icon_, target);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}
