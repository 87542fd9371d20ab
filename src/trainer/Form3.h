// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer/TrainerWindow.h"

// The mixed trainer: addition and subtraction drawn per task.
class Form3 : public TrainerWindow {
    Q_OBJECT
public:
    Form3(Platform &platform, Navigator &navigator)
        : TrainerWindow(Modul::Gemischt, platform, navigator) {}
};
