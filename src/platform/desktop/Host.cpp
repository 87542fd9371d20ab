// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Host.h"

#include <QCoreApplication>
#include <QWidget>

namespace Host {

void prepare() {
}

void attach() {
}

void showWindow(QWidget &window) {
    window.show();
}

void boxClosed(QWidget &) {
}

void endRun() {
    QCoreApplication::exit(0);
}

} // namespace Host
