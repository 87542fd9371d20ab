// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Placement.h"

#include "platform/Screen.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#if QT_CONFIG(xcb)
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <xcb/xcb.h>
#endif

namespace {

// The divisor a window was placed by, kept on it for placing it again.
constexpr char kTopDivisor[] = "placedByTopDivisor";

// The frame as the window last had it: a window hidden again keeps what it knew.
QMargins drawnFrame(const QWidget &window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

#if QT_CONFIG(xcb)

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_atom_t atom(xcb_connection_t *connection, const char *name) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The CARDINAL or ATOM values of a window's property.
QList<quint32> property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name,
                        xcb_atom_t type, quint32 count) {
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, count), nullptr));
    if (!reply || reply->type != type || reply->format != 32) {
        return {};
    }
    const auto *values = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    return QList<quint32>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

// Asks the window manager which frame it will draw around a window not mapped yet (the EWMH
// _NET_REQUEST_FRAME_EXTENTS); it answers by setting _NET_FRAME_EXTENTS on the window.
QMargins frameAnnounced(xcb_connection_t *connection, xcb_window_t window) {
    const ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    if (!geometry || !property(connection, geometry->root, atom(connection, "_NET_SUPPORTED"),
                               XCB_ATOM_ATOM, 1024)
                          .contains(request)) {
        return {};
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    // A window manager answers within a millisecond or two; one that does not answer at all
    // costs the start a tenth of a second once.
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 100ms;
    do {
        // Left, right, top, bottom.
        if (const QList<quint32> frame =
                property(connection, window, extents, XCB_ATOM_CARDINAL, 4);
            frame.size() == 4) {
            return {int(frame[0]), int(frame[2]), int(frame[1]), int(frame[3])};
        }
        std::this_thread::sleep_for(250us);
    } while (std::chrono::steady_clock::now() < deadline);
    return {};
}

#endif

// The frame the desktop will draw around a window that no window of the program has shown yet.
// The window is made now, unshown: Windows knows its frame from then on; an X11 window manager
// is asked.
QMargins frameToCome(QWidget &window) {
    const WId id = window.winId();
#if QT_CONFIG(xcb)
    // The offscreen platform answers for X11 too, without a connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->connection() != nullptr) {
        // The window manager counts device pixels; the window's geometry is Qt's scaled pixels.
        const QMargins frame = frameAnnounced(x11->connection(), static_cast<xcb_window_t>(id));
        const qreal ratio = window.windowHandle()->devicePixelRatio();
        return {qRound(frame.left() / ratio), qRound(frame.top() / ratio),
                qRound(frame.right() / ratio), qRound(frame.bottom() / ratio)};
    }
#else
    Q_UNUSED(id);
#endif
    return window.windowHandle()->frameMargins();
}

// The frame the desktop draws around the window. Until a window has been shown its own is not
// known; the desktop frames the program's windows alike, so the frame of one already shown
// serves, and a first opening stands where every later one does. Before the first window of all
// the desktop is asked what it will draw.
QMargins frameOf(QWidget &window) {
    if (const QMargins own = drawnFrame(window); !own.isNull()) {
        return own;
    }
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (const QMargins theirs = drawnFrame(*other); !theirs.isNull()) {
            return theirs;
        }
    }
    return frameToCome(window);
}

// The corner of a frame of size OUTER in the middle of AREA across, at 1 / TOP_DIVISOR of what
// is left down.
QPoint cornerIn(const QRect &area, const QSize &outer, int topDivisor) {
    return {area.x() + (area.width() - outer.width()) / 2,
            area.y() + (area.height() - outer.height()) / topDivisor};
}

} // namespace

void placeOnScreen(QWidget &window, const Screen &screen, int topDivisor) {
    window.setProperty(kTopDivisor, topDivisor);
    const QMargins frame = frameOf(window);
    const QSize outer = window.size().grownBy(frame);
    const QRect area = screen.geometry();
    QPoint corner = cornerIn(area, outer, topDivisor);
    // move() places the frame's corner, except on a window that is made but not framed yet: there
    // it places the client area, which the frame will then surround.
    if (window.testAttribute(Qt::WA_WState_Created) &&
        window.frameGeometry() == window.geometry()) {
        corner += QPoint(frame.left(), frame.top());
    }
    window.move(corner);
}

void placeAgain(const Screen &screen) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (const QVariant divisor = window->property(kTopDivisor);
            window->isVisible() && divisor.isValid()) {
            placeOnScreen(*window, screen, divisor.toInt());
        }
    }
    // The boxes after their windows: each over the middle of its own, wholly on the screen.
    const QRect area = screen.geometry();
    for (QWidget *box : windows) {
        if (!box->isVisible() || box->property(kTopDivisor).isValid()) {
            continue;
        }
        const QWidget *owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
        QRect outer = box->frameGeometry();
        outer.moveTopLeft(cornerIn(owner ? owner->frameGeometry() : area, outer.size(), 2));
        outer.moveLeft(
            std::max(area.left(), std::min(outer.left(), area.right() - outer.width() + 1)));
        outer.moveTop(
            std::max(area.top(), std::min(outer.top(), area.bottom() - outer.height() + 1)));
        box->move(outer.topLeft());
    }
}
