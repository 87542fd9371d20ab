// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtTimer.h"

QtTimer::QtTimer() {
    timer_.setInterval(1000);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

void QtTimer::setInterval(int milliseconds) {
    timer_.setInterval(milliseconds);
}

int QtTimer::interval() const {
    return timer_.interval();
}

void QtTimer::setEnabled(bool enabled) {
    // Enabling a running timer leaves its countdown alone.
    if (enabled && !timer_.isActive()) {
        timer_.start();
    } else if (!enabled) {
        timer_.stop();
    }
}

bool QtTimer::isEnabled() const {
    return timer_.isActive();
}
