// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/Shape.h"

#include "widgets/Twips.h"

#include <QPainter>
#include <algorithm>

Shape::Shape(QWidget *parent, const char *name) : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

Shape *Shape::line(QWidget *parent, const char *name, int x1, int y1, int x2, int y2,
                   const QColor &color, int penWidthPixels) {
    auto *shape = new Shape(parent, name);
    const QPoint a = twipsPoint(x1, y1);
    const QPoint b = twipsPoint(x2, y2);
    const int margin = (penWidthPixels + 1) / 2;
    const QRect box = QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                            QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())))
                          .adjusted(-margin, -margin, margin, margin);
    shape->setGeometry(box);
    shape->line_ = QLine(a - box.topLeft(), b - box.topLeft());
    shape->isLine_ = true;
    shape->color_ = color;
    shape->penWidth_ = penWidthPixels;
    return shape;
}

Shape *Shape::rectangle(QWidget *parent, const char *name, int left, int top, int width, int height,
                        const QColor &border, int penWidthPixels, const QColor &fill) {
    auto *shape = new Shape(parent, name);
    shape->setGeometry(twipsRect(left, top, width, height));
    shape->color_ = border;
    shape->fill_ = fill;
    shape->penWidth_ = penWidthPixels;
    return shape;
}

void Shape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    QPen pen(color_, penWidth_);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    if (isLine_) {
        painter.setRenderHint(QPainter::Antialiasing, line_.dx() != 0 && line_.dy() != 0);
        painter.drawLine(line_);
        return;
    }
    painter.setBrush(fill_.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(fill_));
    const qreal inset = penWidth_ / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}
