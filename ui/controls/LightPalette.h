#pragma once

#include <QPalette>

namespace pellucors {

// The light colours the splash and About windows were designed on: black
// text on a light grey face, white boxes, with every colour role set so that
// nothing of a dark desktop palette shows through.
QPalette LightPalette();

} // namespace pellucors
