#pragma once

#include <cstddef>

namespace pellucors {

// The three child windows of the main window.
enum class ChildWindow { GpsErrorCal, GroundStationCal, DataDisplay };

constexpr std::size_t Index(ChildWindow window) {
    return static_cast<std::size_t>(window);
}

} // namespace pellucors
