// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/Windows.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/QtScreen.h"
#include "platform/QtTimer.h"
#include "platform/Random.h"
#include "platform/SystemClock.h"
#include "platform/SystemServices.h"

#include <QTranslator>

// The running program: Qt's own German texts, every platform service in its real form and the
// owner of the windows. main() makes one and starts it; tools make one to show a chosen window.
// Needs the QApplication to exist first.
class Program {
public:
    Program();

    Windows &windows() { return windows_; }

private:
    QTranslator qtGerman_;
    QtDialogs dialogs_;
    SystemClock clock_;
    Random random_;
    QtScreen screen_;
    SystemServices system_ = SystemServices::make();
    QtTimer gameTimer_;
    Platform platform_{dialogs_, clock_, random_, screen_, *system_.printer, *system_.clipboard};
    Windows windows_{platform_, gameTimer_};
};
