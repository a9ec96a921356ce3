#pragma once

#include <QFont>

namespace pellucors {

// `family` at `points` when it is really fixed-pitch on this system (fontconfig
// maps "Courier" and "Courier New" to Liberation Mono on Debian), otherwise the
// system's fixed font at that size: columns of the GPS log must line up.
QFont FixedPitchFont(const QString& family, double points);

} // namespace pellucors
