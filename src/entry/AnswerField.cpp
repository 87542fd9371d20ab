// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/AnswerField.h"

#include "entry/DigitTile.h"
#include "entry/TileDrop.h"

#include <QMouseEvent>

AnswerField::AnswerField(QWidget *parent, const QString &name, const QRect &geometry)
    : QLabel(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    setAcceptDrops(true);
}

void AnswerField::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}

void AnswerField::dragEnterEvent(QDragEnterEvent *event) {
    TileDrop::accept(event);
}

void AnswerField::dragMoveEvent(QDragMoveEvent *event) {
    TileDrop::accept(event);
}

void AnswerField::dropEvent(QDropEvent *event) {
    if (const auto digit = TileDrop::take(event)) {
        DigitTile::deliver(event->source(), *this,
                           [this, digit = *digit] { Q_EMIT dropped(digit); });
    }
}
