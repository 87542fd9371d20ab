// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the browser build's start: a bare Qt for WebAssembly program that shows one
// empty window of the start window's size and nothing else.
#include "widgets/Twips.h"
#include "widgets/WindowSizes.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(twips(WindowSizes::kStart.width()), twips(WindowSizes::kStart.height()));
    window.showNormal();
    return QApplication::exec();
}
