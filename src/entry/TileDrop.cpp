// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/TileDrop.h"

#include "entry/TileMime.h"

#include <QDropEvent>

namespace TileDrop {

void accept(QDragMoveEvent *event) {
    if (TileMime::digit(event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

std::optional<QString> take(QDropEvent *event) {
    auto digit = TileMime::digit(event->mimeData());
    if (digit) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
    return digit;
}

} // namespace TileDrop
