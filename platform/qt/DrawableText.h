#pragma once

#include <QFont>
#include <QString>

namespace pellucors {

// `text` as `font` and the faces standing in for it can draw it: a character
// no installed face has, which would show as blank space, becomes a visible
// mark (U+FFFD, or "?"). ASCII comes back unchanged.
QString DrawableText(const QString& text, const QFont& font);

} // namespace pellucors
