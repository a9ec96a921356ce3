#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace pellucors {

// Window geometry is designed in twips (1/1440 inch). At 96 dpi a
// device-independent pixel is 15 twips, so Qt's high-DPI scaling keeps the
// proportions on any screen. Edges are rounded, not sizes, so neighbouring
// controls never drift apart.
constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int twips) {
    return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    const int x = Twips(left);
    const int y = Twips(top);
    return {x, y, Twips(left + width) - x, Twips(top + height) - y};
}

inline QSize TwipsSize(int width, int height) {
    return {Twips(width), Twips(height)};
}
inline QPoint TwipsPoint(int left, int top) {
    return {Twips(left), Twips(top)};
}

} // namespace pellucors
