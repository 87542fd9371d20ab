#include "platform/IconPainter.h"

#include <QPainter>
#include <QPixmap>

namespace IconPainter {

void paint(QPainter &painter, Icon, const QRectF &target) {
    painter.drawRect(target.adjusted(2, 2, -2, -2));
}

QIcon windowIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter, Icon::Program, QRectF(0, 0, 32, 32));
    return QIcon(pixmap);
}

} // namespace IconPainter
