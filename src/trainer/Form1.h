// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer/TrainerWindow.h"

// The addition trainer.
class Form1 : public TrainerWindow {
    Q_OBJECT
public:
    Form1(Platform &platform, Navigator &navigator)
        : TrainerWindow(Modul::Addition, platform, navigator) {}
};
