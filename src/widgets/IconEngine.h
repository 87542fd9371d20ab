// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/Icon.h"

#include <QIconEngine>

// One of the program's icons as a QIcon that paints itself at whatever size and pixel density is
// asked for, when it is asked for, instead of pixmaps drawn ahead of time.
class IconEngine : public QIconEngine {
public:
    explicit IconEngine(Icon icon) : icon_(icon) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    // Qt's own would leave the pixmap's background undefined; ours is transparent.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    Icon icon_;
};
