// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Host.h"

#include "platform/NativeKey.h"
#include "widgets/Twips.h"

#include <QCoreApplication>
#include <QFont>
#include <QKeyEvent>
#include <QSizeF>
#include <QWidget>

#include <algorithm>

#include <emscripten.h>
#include <emscripten/html5.h>
#include <emscripten/val.h>

namespace {

// The largest window with the frame the browser build draws around it: the trainers are the
// widest (7845 twips), the start window the tallest (7485 twips); 4 pixels of border on each
// side and an 18-pixel title bar.
constexpr QSize kLargestWindow(twips(7845) + 8, twips(7485) + 30);

// The page is the program's screen, scaled up where it is larger than the largest window. Qt's
// wasm plugin takes CSS pixels for its own (it does not follow QT_SCALE_FACTOR with the pointer),
// so the screen element is made `scale` times smaller and a CSS transform stretches it over the
// page; the device pixel ratio Qt reads grows by the same factor, so the windows are drawn at the
// resolution they are shown at. Pointer events give positions in the element's own coordinates
// (offsetX), which the transform does not disturb; the size Qt reads of its canvas is made the
// canvas's own size too, where the browser would give the stretched one.
// clang-format off
EM_JS(void, scalePage, (double scale), {
    const screen = Module.qtContainerElements[0];
    if (window.srDevicePixelRatio === undefined) {
        window.srDevicePixelRatio = window.devicePixelRatio;
        const measure = Element.prototype.getBoundingClientRect;
        Element.prototype.getBoundingClientRect = function() {
            const rect = measure.call(this);
            if (this.tagName !== "CANVAS" || !screen.contains(this)) {
                return rect;
            }
            const scale = window.srPageScale;
            return new DOMRect(rect.x / scale, rect.y / scale, rect.width / scale, rect.height / scale);
        };
    }
    window.srPageScale = scale;
    const ratio = window.srDevicePixelRatio * scale;
    Object.defineProperty(window, "devicePixelRatio", { configurable: true, get: function() { return ratio; } });
    screen.style.width = Math.ceil(window.innerWidth / scale) + "px";
    screen.style.height = Math.ceil(window.innerHeight / scale) + "px";
    screen.style.transformOrigin = "0 0";
    screen.style.transform = "scale(" + scale + ")";
});

// A finger works as the mouse does: Qt's wasm plugin judges touch positions in page pixels, which
// the scaled screen would misplace, and its touch events would reach the tiles only as synthesized
// clicks. The first finger's pointer events go on as mouse pointer events (a tap is a click, a
// drag a drag); a second finger and the touch events themselves go nowhere.
EM_JS(void, touchAsMouse, (), {
    const screen = Module.qtContainerElements[0];
    const forward = function(event) {
        if (event.pointerType !== "touch") {
            return;
        }
        event.stopImmediatePropagation();
        event.preventDefault();
        if (!event.isPrimary) {
            return;
        }
        const type = event.type === "pointercancel" ? "pointerup" : event.type;
        const pressed = type === "pointerdown" || (type === "pointermove" && event.buttons !== 0);
        event.target.dispatchEvent(new PointerEvent(type, {
            bubbles: true, cancelable: true, composed: true, pointerId: event.pointerId,
            pointerType: "mouse", isPrimary: true, clientX: event.clientX, clientY: event.clientY,
            screenX: event.screenX, screenY: event.screenY,
            button: type === "pointermove" ? -1 : 0, buttons: pressed ? 1 : 0 }));
    };
    for (const type of ["pointerdown", "pointermove", "pointerup", "pointercancel"]) {
        screen.addEventListener(type, forward, true);
    }
    const swallow = function(event) {
        event.stopPropagation();
        if (event.cancelable) {
            event.preventDefault();
        }
    };
    for (const type of ["touchstart", "touchmove", "touchend", "touchcancel"]) {
        screen.addEventListener(type, swallow, { capture: true, passive: false });
    }
});

// Qt's wasm plugin hands key presses over without a scan code. The page remembers the code
// (KeyboardEvent.code) of the key going down before Qt sees it, and each key event is sent on
// with that key's HID usage as its scan code, so a main-row digit counts by the key itself.
EM_JS(void, rememberKeyCodes, (), {
    window.addEventListener("keydown", function(event) { window.srKeyCode = event.code; }, true);
    window.addEventListener("keyup", function(event) { window.srKeyCode = event.code; }, true);
});
EM_JS(void, showClosingPage, (), {
    if (typeof window.srClosed === "function") {
        window.srClosed();
    }
});
// clang-format on

QString lastKeyCode() {
    const emscripten::val code = emscripten::val::global("window")["srKeyCode"];
    return code.isString() ? QString::fromStdString(code.as<std::string>()) : QString();
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
        const quint32 usage = NativeKey::hidUsageOfCode(lastKeyCode());
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
    fitPage();
    // Registered before Qt's own resize handler, which then finds the screen at its new size.
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, true,
                                   [](int, const EmscriptenUiEvent *, void *) -> EM_BOOL {
                                       fitPage();
                                       return EM_FALSE;
                                   });
    touchAsMouse();
}

void attach() {
    // The sheets and the layout's "Courier New" in the monospace face Qt's wasm build brings.
    for (const char *face : {"Courier New", "Liberation Mono"}) {
        QFont::insertSubstitution(QString::fromLatin1(face), QStringLiteral("DejaVu Sans Mono"));
    }
    rememberKeyCodes();
    QCoreApplication::instance()->installEventFilter(new KeyStamp(QCoreApplication::instance()));
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
    }
}

void endRun() {
    showClosingPage();
}

} // namespace Host
