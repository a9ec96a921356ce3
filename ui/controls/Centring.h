#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace pellucors {

// Where QWidget::move() puts a window whose whole frame (title bar and
// borders included) of `frameSize` is centred in `available`. A frame larger
// than the area keeps its top left corner, and so its title bar, on it.
QPoint CentredFramePosition(const QRect& available, const QSize& frameSize);

} // namespace pellucors
