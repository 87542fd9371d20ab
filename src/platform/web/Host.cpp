// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Host.h"

#include "platform/NativeKey.h"
#include "platform/Placement.h"
#include "platform/QtScreen.h"
#include "platform/web/HostScript.h"
#include "widgets/Twips.h"
#include "widgets/WindowSizes.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QSizeF>
#include <QWidget>

#include <algorithm>

#include <emscripten/html5.h>
#include <emscripten/val.h>

namespace {

// The frame that Qt's wasm plugin draws around every window: a border of 4 pixels on each side
// and an 18-pixel title bar below the top one.
constexpr int kFrameBorder = 4;
constexpr int kTitleBar = 18;

// The largest window with that frame.
constexpr QSize kLargestWindow(twips(WindowSizes::kLargest.width()) + 2 * kFrameBorder,
                               twips(WindowSizes::kLargest.height()) + 3 * kFrameBorder +
                                   kTitleBar);

QString rememberedKeyCode() {
    // KeyboardEvent.code names a key in a short ASCII word ("Digit7", "NumpadEnter").
    char code[32];
    lastKeyCode(code, static_cast<int>(sizeof code));
    return QString::fromUtf8(code);
}

// The windows fill the page keeping their proportions, never smaller than designed.
void fitPage() {
    const emscripten::val window = emscripten::val::global("window");
    const QSizeF page(window["innerWidth"].as<double>(), window["innerHeight"].as<double>());
    scalePage(std::max(1.0, std::min(page.width() / kLargestWindow.width(),
                                     page.height() / kLargestWindow.height())));
}

class KeyStamp : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
            return false;
        }
        const auto *key = static_cast<QKeyEvent *>(event);
        const quint32 usage = NativeKey::hidUsageOfCode(rememberedKeyCode());
        if (key->nativeScanCode() != 0 || usage == 0) {
            return false;
        }
        QKeyEvent stamped(key->type(), key->key(), key->modifiers(), usage, key->nativeVirtualKey(),
                          key->nativeModifiers(), key->text(), key->isAutoRepeat(), key->count());
        stamped.setTimestamp(key->timestamp());
        QCoreApplication::sendEvent(watched, &stamped);
        // The stamped event went the whole way; the original goes no further.
        event->accept();
        return true;
    }
};

} // namespace

namespace Host {

void prepare() {
    announceFrame(kFrameBorder, kTitleBar);
    fitPage();
    // Registered before Qt's own resize handler, which then finds the screen at its new size.
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, true,
                                   [](int, const EmscriptenUiEvent *, void *) -> EM_BOOL {
                                       fitPage();
                                       return EM_FALSE;
                                   });
    touchAsMouse();
    wheelInPlace();
    keepKeys();
}

void attach() {
    // The sheets and the layout's "Courier New" in the monospace face Qt's wasm build brings.
    for (const char *face : {"Courier New", "Liberation Mono"}) {
        QFont::insertSubstitution(QString::fromLatin1(face), QStringLiteral("DejaVu Sans Mono"));
    }
    rememberKeyCodes();
    QCoreApplication::instance()->installEventFilter(new KeyStamp(QCoreApplication::instance()));
    // A page turned over or resized: Qt's screen takes the page's new size, and the windows,
    // which Qt leaves where they stood, are placed on it again.
    QObject::connect(QGuiApplication::primaryScreen(), &QScreen::geometryChanged,
                     QCoreApplication::instance(), [] { placeAgain(QtScreen()); });
}

void showWindow(QWidget &window) {
    // A fixed window has no maximize button in the title bar the browser build draws, where it
    // would stretch the window over the page; showNormal() keeps it from opening full screen.
    Qt::WindowFlags flags = window.windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags &= ~(Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    if (flags != window.windowFlags()) {
        window.setWindowFlags(flags);
    }
    window.showNormal();
}

void boxClosed(QWidget &box) {
    if (QWidget *owner = box.parentWidget(); owner != nullptr && owner->isVisible()) {
        owner->window()->activateWindow();
        // Qt's wasm plugin activates a window in its next turn of the event loop. What the
        // program does next may open the next box before that turn (a sheet handed over, then
        // where it went): that box must find its window active, to stand over it and to give
        // it back the keys when it closes.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void endRun() {
    showClosingPage();
}

} // namespace Host
