// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/DigitTile.h"

#include "entry/TileMime.h"
#include "widgets/Colors.h"

#include <QDrag>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

DigitTile::DigitTile(QWidget *parent, int digit, const QRect &geometry, const QFont &font)
    : QPushButton(QString::number(digit), parent) {
    setObjectName(QStringLiteral("Befehl%1").arg(digit + 2));
    setGeometry(geometry);
    setFont(font);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::OpenHandCursor);
    setAccessibleDescription(QStringLiteral("Ziffer zum Ziehen"));
}

void DigitTile::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    QPixmap outline(size() * devicePixelRatioF());
    outline.setDevicePixelRatio(devicePixelRatioF());
    outline.fill(Qt::transparent);
    {
        QPainter painter(&outline);
        painter.setPen(QPen(Colors::kSchwarz, 1, Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    auto *drag = new QDrag(this);
    drag->setMimeData(TileMime::make(text()));
    drag->setPixmap(outline);
    drag->setHotSpot(event->position().toPoint());
    drag->exec(Qt::CopyAction);
    delivery_.dragEnded();
}

void DigitTile::deliver(QObject *source, QObject &target, std::function<void()> judge) {
    if (auto *tile = qobject_cast<DigitTile *>(source)) {
        tile->delivery_.dropped(target, std::move(judge));
    } else {
        judge();
    }
}
