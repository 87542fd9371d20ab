// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

// A digit tile "0".."9": pressing the mouse button on it starts dragging it at once, with the
// tile's outline as the drag image. It has no click action.
class DigitTile : public QPushButton {
    Q_OBJECT
public:
    DigitTile(QWidget *parent, int digit, const QRect &geometry, const QFont &font);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
