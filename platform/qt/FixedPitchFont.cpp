#include "FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace pellucors {

QFont FixedPitchFont(const QString& family, double points) {
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    if (QFontInfo(font).fixedPitch())
        return font;
    QFont fallback = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fallback.setPointSizeF(points);
    return fallback;
}

} // namespace pellucors
