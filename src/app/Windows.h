// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/DoubleClickFilter.h"
#include "games/NumberCatchState.h"
#include "vocabulary/Navigator.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <memory>
#include <vector>

class StartWindow;
class NumberCatchWindow;
class InfoWindow;
class QWidget;
class Timer;
class TrainerWindow;
class MemoryWindow;
struct Platform;

// The one owner of the program's windows: creates each on first show, keeps it for the run and
// hands over between them. It also decides when a window has been activated: only when the
// program's active window changes, never when one of a window's own message boxes closes. The
// second click of a double click that opened a window stays on the window it began on.
class Windows : public QObject, public Navigator {
    Q_OBJECT
public:
    Windows(Platform &platform, Timer &gameTimer);
    ~Windows() override;

    // Shows the start window: the program's only entry.
    void start();

    void showStartWindow() override;
    void showTrainer(Modul modul) override;
    void showNumberCatch() override;
    void showMemory() override;
    void showInfo() override;
    bool printingLocked() override;
    // The printer lock as it stands, without making the info window.
    bool druckmodusDeaktiviert() const { return druckmodusDeaktiviert_; }
    void quit() override;

    // The windows created so far (nullptr where not yet), for tests and tools.
    StartWindow *startWindow() const { return startWindow_.get(); }
    TrainerWindow *trainer(Modul modul) const;
    InfoWindow *info() const { return info_.get(); }
    NumberCatchWindow *numberCatch() const { return numberCatchWindow_.get(); }
    MemoryWindow *memory() const { return memoryWindow_.get(); }
    const NumberCatchState &numberCatchState() const { return numberCatchState_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Hides whichever of start window, trainer and game is in front and shows this one.
    void bringToFront(QWidget *window);
    // Start window, trainers and games (nullptr where not created yet): one of them is in front.
    std::array<QWidget *, 6> mainWindows() const;
    void activate(QWidget *window);
    InfoWindow &infoWindow();
    void discard(InfoWindow *window);
    template <typename T> T &watch(std::unique_ptr<T> &slot, std::unique_ptr<T> created);

    Platform &platform_;
    Timer &gameTimer_;
    DoubleClickFilter doubleClicks_;
    NumberCatchState numberCatchState_;
    std::unique_ptr<StartWindow> startWindow_;
    std::array<std::unique_ptr<TrainerWindow>, 3> trainers_;
    std::unique_ptr<InfoWindow> info_;
    // Info windows closed but not yet deleted by the event loop.
    std::vector<QPointer<InfoWindow>> discarded_;
    std::unique_ptr<NumberCatchWindow> numberCatchWindow_;
    std::unique_ptr<MemoryWindow> memoryWindow_;
    QWidget *lastActive_ = nullptr;
    // The printer lock, on at the start; Kontroll1 of the info window shows it. The close box
    // that discards the window takes its setting along: the lock is on again.
    static constexpr bool kDruckmodusDeaktiviertBeimStart = true;
    bool druckmodusDeaktiviert_ = kDruckmodusDeaktiviertBeimStart;
};
