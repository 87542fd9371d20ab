// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/DoubleClick.h"

#include <QObject>

// Holds back, for the whole program, the clicks that DoubleClick says belong to another window:
// their press, double click and release never reach a control.
class DoubleClickFilter : public QObject {
    Q_OBJECT
public:
    DoubleClickFilter();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DoubleClick rule_;
    bool ignoring_ = false;
};
