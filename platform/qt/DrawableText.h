#pragma once

#include <QFont>
#include <QString>

namespace pellucors {

// `text` as `font` (with the faces the system stands in for it) can draw
// it: a character that no installed face has a glyph for, which would show
// and print as blank space, becomes a visible mark (U+FFFD, or "?" where not
// even that can be drawn). Marks and joiners that take no room are left as
// they are. ASCII text comes back unchanged.
QString DrawableText(const QString& text, const QFont& font);

} // namespace pellucors
