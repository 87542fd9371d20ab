// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/Icon.h"

#include <QColor>
#include <QWidget>
#include <optional>

// A picture box of the layout: shows one of the program's icons centred on its background,
// acts as a click target and may contain other controls.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget *parent, const char *name, const QRect &geometry, std::optional<Icon> icon,
               const QColor &background, const QString &accessibleName);

    std::optional<Icon> icon() const { return icon_; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::optional<Icon> icon_;
};
