// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer/TrainerWindow.h"

// The subtraction trainer.
class Form2 : public TrainerWindow {
    Q_OBJECT
public:
    Form2(Platform &platform, Navigator &navigator)
        : TrainerWindow(Modul::Subtraktion, platform, navigator) {}
};
