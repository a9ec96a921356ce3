#pragma once

class QPainter;
class QSize;

namespace pellucors {

// Maps `painter`, painting a widget of `size`, so that the widget's rect
// lands on the outermost whole device pixels the widget covers (its corners
// rounded, as Qt clips it). At a scale such as 125% an edge falls inside a
// pixel, and a frame line drawn there went on a pixel that belongs to the
// neighbour; mapped, each line lands on a pixel of the widget's own.
void MapOntoWholePixels(QPainter& painter, const QSize& size);

} // namespace pellucors
