#include "WindowFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace pellucors {

QFont FaceFont(const QString& family, double points, bool bold) {
    QFont font;
    // Liberation Sans has Arial's metrics, so designed widths still fit.
    const QStringList families = {family, QStringLiteral("Liberation Sans"),
                                  QStringLiteral("Arimo"),
                                  QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()};
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont SansFont(double points, bool bold) {
    return FaceFont(QStringLiteral("MS Sans Serif"), points, bold);
}

} // namespace pellucors
