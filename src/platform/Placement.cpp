#include "platform/Placement.h"

#include "platform/Screen.h"

#include <QWidget>

void placeOnScreen(QWidget &window, const Screen &screen, int topDivisor) {
    const QSize outer = window.frameGeometry().size();
    const QRect area = screen.geometry();
    window.move(area.x() + (area.width() - outer.width()) / 2,
                area.y() + (area.height() - outer.height()) / topDivisor);
}
