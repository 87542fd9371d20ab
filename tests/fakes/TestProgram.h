// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/StartWindow.h"
#include "app/Windows.h"
#include "fakes/FakeTimer.h"
#include "fakes/TestPlatform.h"
#include "games/MemoryWindow.h"
#include "games/NumberCatchWindow.h"
#include "trainer/TrainerWindow.h"

#include <QWidget>
#include <vector>

// The whole program as main() builds it, on scripted services. Without an event loop a quit only
// hides the windows, so it is recorded here.
struct TestProgram {
    class RecordingWindows : public Windows {
    public:
        using Windows::Windows;
        void quit() override {
            quitRequested = true;
            Windows::quit();
        }
        bool quitRequested = false;
    };

    explicit TestProgram(std::uint64_t seed = 1) : fakes(seed), windows(fakes.platform, timer) {}

    // Start window, trainers and games created so far; the info window is not one of them.
    std::vector<QWidget *> mainWindows() const {
        std::vector<QWidget *> found;
        for (QWidget *w : std::initializer_list<QWidget *>{
                 windows.startWindow(), windows.trainer(Modul::Addition),
                 windows.trainer(Modul::Subtraktion), windows.trainer(Modul::Gemischt),
                 windows.numberCatch(), windows.memory()}) {
            if (w != nullptr) {
                found.push_back(w);
            }
        }
        return found;
    }
    int shownMainWindows() const {
        int shown = 0;
        for (const QWidget *w : mainWindows()) {
            shown += w->isVisible() ? 1 : 0;
        }
        return shown;
    }

    TestPlatform fakes;
    FakeTimer timer;
    RecordingWindows windows;
};
