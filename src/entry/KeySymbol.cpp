// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/KeySymbol.h"

#include "entry/DigitTile.h"
#include "entry/TileDrop.h"
#include "widgets/Colors.h"

#include <QDropEvent>

KeySymbol::KeySymbol(QWidget *parent, const char *name, const QRect &geometry)
    : PictureBox(parent, name, geometry, Icon::Key, Colors::kHelltuerkis,
                 QStringLiteral("Tastensymbol: Ziffer tippen oder hierher ziehen")) {
    setAcceptDrops(true);
}

void KeySymbol::dragEnterEvent(QDragEnterEvent *event) {
    TileDrop::accept(event);
}

void KeySymbol::dragMoveEvent(QDragMoveEvent *event) {
    TileDrop::accept(event);
}

void KeySymbol::dropEvent(QDropEvent *event) {
    if (const auto digit = TileDrop::take(event)) {
        DigitTile::deliver(event->source(), *this,
                           [this, digit = *digit] { Q_EMIT dropped(digit); });
    }
}
