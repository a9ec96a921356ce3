#pragma once

#include <QPixmap>

class QLabel;
class QWidget;

namespace pellucors {

// The program's own pictures, from the compiled-in resources.
QPixmap Emblem();      // 32 x 32, 256 colours
QPixmap EmblemLarge(); // 256 x 256, for the window icon
QPixmap Logo();        // 229 x 130 JPEG

// A picture control: `picture` stretched to the control's size, optionally
// inside a thin single border.
QLabel* MakePicture(QWidget* parent, const char* name, const QPixmap& picture, int left, int top,
                    int width, int height, bool bordered);

} // namespace pellucors
