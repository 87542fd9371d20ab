#include "platform/Placement.h"

#include "platform/Screen.h"

#include <QWidget>

void placeOnScreen(QWidget &window, const Screen &screen, int topDivisor) {
    const QSize outer = window.frameGeometry().size();
    const QSize area = screen.size();
    window.move((area.width() - outer.width()) / 2, (area.height() - outer.height()) / topDivisor);
}
