// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/PictureBox.h"

// The key symbol that lies on the selected field: a click ends the selection, a tile dropped
// on it is judged against the selected field's digit.
class KeySymbol : public PictureBox {
    Q_OBJECT
public:
    KeySymbol(QWidget *parent, const char *name, const QRect &geometry);

Q_SIGNALS:
    void dropped(const QString &digit);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
