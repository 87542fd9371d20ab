// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DropDelivery.h"

#include <QPushButton>

#include <functional>

// A digit tile "0".."9": pressing the mouse button on it starts dragging it at once, with the
// tile's outline as the drag image. It has no click action. A drop target hands the judging of
// a tile's drop to deliver(), which waits for the tile's drag to end where the system needs it.
class DigitTile : public QPushButton {
    Q_OBJECT
public:
    DigitTile(QWidget *parent, int digit, const QRect &geometry, const QFont &font);

    // Judges a drop on `target` whose drag came from `source`: through the source's delivery
    // when it is a tile, at once when it is not (then no drag of ours is waiting).
    static void deliver(QObject *source, QObject &target, std::function<void()> judge);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    DropDelivery delivery_;
};
