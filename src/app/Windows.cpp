// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Windows.h"

#include "app/InfoWindow.h"
#include "app/StartWindow.h"
#include "games/MemoryWindow.h"
#include "games/NumberCatchWindow.h"
#include "platform/Host.h"
#include "trainer/TrainerWindow.h"
#include "widgets/ProgramWindow.h"

#include <QCoreApplication>
#include <QEvent>

Windows::Windows(Platform &platform, Timer &gameTimer)
    : platform_(platform), gameTimer_(gameTimer) {
    QCoreApplication::instance()->installEventFilter(&doubleClicks_);
}

Windows::~Windows() {
    for (const QPointer<InfoWindow> &pending : discarded_) {
        delete pending.data();
    }
}

template <typename T> T &Windows::watch(std::unique_ptr<T> &slot, std::unique_ptr<T> created) {
    slot = std::move(created);
    slot->installEventFilter(this);
    return *slot;
}

void Windows::start() {
    showStartWindow();
}

TrainerWindow *Windows::trainer(Modul modul) const {
    return trainers_.at(static_cast<std::size_t>(modul)).get();
}

void Windows::showStartWindow() {
    if (!startWindow_) {
        watch(startWindow_, std::make_unique<StartWindow>(platform_, *this));
    }
    bringToFront(startWindow_.get());
}

void Windows::showTrainer(Modul modul) {
    auto &slot = trainers_.at(static_cast<std::size_t>(modul));
    if (!slot) {
        watch(slot, std::make_unique<TrainerWindow>(modul, platform_, *this));
    }
    bringToFront(slot.get());
}

void Windows::showNumberCatch() {
    if (!numberCatchWindow_) {
        watch(numberCatchWindow_,
              std::make_unique<NumberCatchWindow>(platform_, *this, numberCatchState_, gameTimer_));
    }
    numberCatchWindow_->spielStarten();
    bringToFront(numberCatchWindow_.get());
}

void Windows::showMemory() {
    if (!memoryWindow_) {
        watch(memoryWindow_, std::make_unique<MemoryWindow>(platform_, *this));
    }
    bringToFront(memoryWindow_.get());
}

InfoWindow &Windows::infoWindow() {
    if (!info_) {
        InfoWindow &created =
            watch(info_, std::make_unique<InfoWindow>(platform_, druckmodusDeaktiviert_));
        connect(&created, &InfoWindow::druckmodusGeaendert, this,
                [this](bool deaktiviert) { druckmodusDeaktiviert_ = deaktiviert; });
        connect(&created, &InfoWindow::discarded, this,
                [this, window = &created] { discard(window); });
    }
    return *info_;
}

void Windows::discard(InfoWindow *window) {
    // The close box discards the window with its check box; the next one starts checked. A close
    // that reaches a window already let go (closed twice) changes nothing.
    if (window != info_.get()) {
        return;
    }
    if (lastActive_ == window) {
        lastActive_ = nullptr;
    }
    druckmodusDeaktiviert_ = kDruckmodusDeaktiviertBeimStart;
    // Deleted once its own close event is over; whatever the event loop leaves, the owner frees.
    std::erase_if(discarded_, [](const QPointer<InfoWindow> &pending) { return pending.isNull(); });
    discarded_.emplace_back(info_.release());
    window->deleteLater();
}

void Windows::showInfo() {
    InfoWindow &info = infoWindow();
    Host::showWindow(info);
    info.raise();
    info.activateWindow();
    activate(&info);
}

bool Windows::printingLocked() {
    // Asking still makes the info window, hidden, as the first print always has.
    infoWindow();
    return druckmodusDeaktiviert_;
}

void Windows::quit() {
    // Ends the run at once: no window is closed one by one, nothing is asked or saved. In the
    // browser the page stays, showing that the program has ended.
    for (QWidget *window : mainWindows()) {
        if (window) {
            window->removeEventFilter(this);
            window->hide();
        }
    }
    if (info_) {
        info_->removeEventFilter(this);
        info_->hide();
    }
    Host::endRun();
}

void Windows::bringToFront(QWidget *window) {
    for (QWidget *other : mainWindows()) {
        if (other && other != window) {
            other->hide();
        }
    }
    Host::showWindow(*window);
    window->raise();
    window->activateWindow();
    activate(window);
}

std::array<QWidget *, 6> Windows::mainWindows() const {
    return {startWindow_.get(), trainers_[0].get(),       trainers_[1].get(),
            trainers_[2].get(), numberCatchWindow_.get(), memoryWindow_.get()};
}

void Windows::activate(QWidget *window) {
    if (window == lastActive_) {
        return;
    }
    lastActive_ = window;
    dynamic_cast<ProgramWindow &>(*window).activated();
}

bool Windows::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::WindowActivate) {
        auto *window = static_cast<QWidget *>(watched);
        if (window->isVisible()) {
            activate(window);
        }
    }
    return false;
}
