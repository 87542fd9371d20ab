// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Program.h"
#include "platform/DisplayCheck.h"
#include "platform/Host.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[]) {
    if (DisplayCheck::displayMissing()) {
        std::fwrite(DisplayCheck::missingMessage.data(), 1, DisplayCheck::missingMessage.size(),
                    stderr);
        return 1;
    }
    Host::prepare();
    QApplication app(argc, argv);
    Program program;
    program.windows().start();
    return QApplication::exec();
}
