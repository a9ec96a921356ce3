#pragma once

#include <QFont>

namespace pellucors {

// The windows' sans font ("MS Sans Serif" where it exists as an outline face,
// else "Microsoft Sans Serif", an Arial-metric or the desktop's sans font) at
// `points`.
QFont SansFont(double points, bool bold = false);

// A named face at `points`, falling back like SansFont.
QFont FaceFont(const QString& family, double points, bool bold = false);

} // namespace pellucors
