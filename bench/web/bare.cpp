// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the browser build's start: a bare Qt for WebAssembly program that shows one
// empty window of the start window's size (6390 x 7485 twips) and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(6390 / 15, 7485 / 15);
    window.showNormal();
    return QApplication::exec();
}
