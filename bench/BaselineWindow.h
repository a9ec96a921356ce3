#pragma once

#include <QMainWindow>

namespace pellucors::bench {

// What Qt alone costs for the program's shape: a main window whose workspace
// holds three empty child windows, shown maximised over the same area as the
// program's main window. Nothing else.
//
// With `captions`, the child windows get titles and the main window a menu
// bar with three menus: the least any window that shows a letter pays (the
// font database, text shaping, glyphs), for telling Qt's text cost from the
// program's own.
class BaselineWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit BaselineWindow(bool captions);

    // Shown like the program's main window, so both paint the same area
    // also where no window manager maximises.
    void ShowMaximized();
};

} // namespace pellucors::bench
