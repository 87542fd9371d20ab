// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/IconEngine.h"

#include "widgets/IconPainter.h"

#include <QPainter>
#include <QPixmap>

void IconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) {
    IconPainter::paint(*painter, icon_, rect);
}

QPixmap IconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, pixmap.rect(), mode, state);
    return pixmap;
}

QIconEngine *IconEngine::clone() const {
    return new IconEngine(icon_);
}

QString IconEngine::key() const {
    return QStringLiteral("IconEngine");
}
