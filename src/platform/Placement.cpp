#include "platform/Placement.h"

#include "platform/Screen.h"

#include <QApplication>
#include <QWidget>

namespace {

// The frame as the window last had it: a window hidden again keeps what it knew.
QMargins drawnFrame(const QWidget &window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The frame the desktop draws around the window. Until a window has been shown its own is not
// known; the desktop frames the program's windows alike, so the frame of one already shown
// serves, and a first opening stands where every later one does.
QMargins frameOf(const QWidget &window) {
    if (const QMargins own = drawnFrame(window); !own.isNull()) {
        return own;
    }
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (const QMargins theirs = drawnFrame(*other); !theirs.isNull()) {
            return theirs;
        }
    }
    return {};
}

} // namespace

void placeOnScreen(QWidget &window, const Screen &screen, int topDivisor) {
    const QMargins frame = frameOf(window);
    const QSize outer = window.size().grownBy(frame);
    const QRect area = screen.geometry();
    QPoint corner(area.x() + (area.width() - outer.width()) / 2,
                  area.y() + (area.height() - outer.height()) / topDivisor);
    // move() places the frame's corner, except on a window that is shown but not framed yet: there
    // it places the client area, which the frame will then surround.
    if (window.testAttribute(Qt::WA_WState_Created) &&
        window.frameGeometry() == window.geometry()) {
        corner += QPoint(frame.left(), frame.top());
    }
    window.move(corner);
}
