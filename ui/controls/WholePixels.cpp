#include "WholePixels.h"

#include <QPainter>
#include <QSize>

namespace pellucors {

void MapOntoWholePixels(QPainter& painter, const QSize& size) {
    const QTransform toDevice = painter.deviceTransform();
    const QRectF pixels(toDevice.map(QPointF(0, 0)).toPoint(),
                        toDevice.map(QPointF(size.width(), size.height())).toPoint());
    const QRectF owned = toDevice.inverted().mapRect(pixels);
    painter.translate(owned.topLeft());
    painter.scale(owned.width() / size.width(), owned.height() / size.height());
}

} // namespace pellucors
