// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class NumberCatch;

// The playing field of the number-catch game, painted from the game's state so that it survives
// being covered. Lies over the field frame; its accessible description tells a screen reader
// what the pupil sees.
class CatchField : public QWidget {
    Q_OBJECT
public:
    CatchField(QWidget *parent, const NumberCatch &game);

    // Repaints and renews the accessible description after the state changed.
    void refresh();
    QString description() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const NumberCatch &game_;
};
