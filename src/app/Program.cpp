// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Program.h"

#include "platform/Host.h"

#include <QApplication>
#include <chrono>

Program::Program()
    : random_(
          static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {
    QApplication::setApplicationName(QStringLiteral("schriftlich-rechnen"));
    QApplication::setDesktopFileName(QStringLiteral("de.schriftlich_rechnen.SchriftlichRechnen"));
    QApplication::setQuitOnLastWindowClosed(false);
    Host::attach();
    if (qtGerman_.load(QStringLiteral(":/translations/qtbase_de.qm"))) {
        QApplication::installTranslator(&qtGerman_);
    }
}
