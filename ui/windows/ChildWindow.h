#pragma once

#include <cstddef>

namespace pellucors {

// The three child windows of the main window.
enum class ChildWindow { GpsErrorCal, GroundStationCal, DataDisplay };

constexpr std::size_t Index(ChildWindow window) {
    return static_cast<std::size_t>(window);
}

// What a child window asks of the main window: its check mark and visibility
// change together, and the program ends only through ShutDown.
class WindowShell {
public:
    virtual ~WindowShell() = default;
    // Hides the window, then clears its menu item's check mark.
    virtual void CloseChild(ChildWindow window) = 0;
    // Flips the menu item's mark and hides or shows the window with it.
    virtual void ToggleChild(ChildWindow window) = 0;
    virtual void ShutDown() = 0;
};

} // namespace pellucors
