#pragma once

#include <QIcon>
#include <QPixmap>

class QLabel;
class QWidget;

namespace pellucors {

// The program's own pictures, from the compiled-in resources.
QPixmap Emblem(); // 32 x 32, 256 colours
// The emblem at 32 and 256 pixels as the window icon, decoded only when a
// size is asked for.
QIcon WindowIcon();
QPixmap Logo(); // 229 x 130 JPEG

// A picture control: `picture` stretched to the control's size, optionally
// inside a thin single border.
QLabel* MakePicture(QWidget* parent, const char* name, const QPixmap& picture, int left, int top,
                    int width, int height, bool bordered);

} // namespace pellucors
