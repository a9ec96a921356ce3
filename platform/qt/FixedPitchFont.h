#pragma once

#include <QFont>

namespace pellucors {

// `family` at `points` when it is really fixed-pitch and scalable on this
// system (fontconfig maps "Courier" and "Courier New" to Liberation Mono on
// Debian), otherwise the system's fixed font, or another fixed-pitch face, at
// that size: columns of the GPS log must line up, on screen and on paper.
QFont FixedPitchFont(const QString& family, double points);

} // namespace pellucors
