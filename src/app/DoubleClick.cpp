// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DoubleClick.h"

DoubleClick::DoubleClick(int intervalMs, int distancePx)
    : intervalMs_(intervalMs), distancePx_(distancePx) {
}

bool DoubleClick::ignorePress(const void *window, Qt::MouseButton button, quint64 time, QPoint at) {
    const bool follows = last_ && last_->button == button && time >= last_->time &&
                         time - last_->time <= static_cast<quint64>(intervalMs_) &&
                         (at - last_->at).manhattanLength() <= distancePx_;
    if (!follows) {
        firstWindow_ = window;
    }
    last_ = Press{button, time, at};
    return window != firstWindow_;
}
