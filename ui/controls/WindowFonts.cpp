#include "WindowFonts.h"

#include <QFontDatabase>

namespace pellucors {

QFont FaceFont(const QString& family, double points, bool bold) {
    // fontconfig stands in metric-compatible faces (Liberation for Arial and
    // Times New Roman) where the named one is missing.
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont SansFont(double points, bool bold) {
    // "MS Sans Serif" has no metric twin on Linux; Liberation Sans (Arial's
    // metrics) keeps the designed captions inside their controls better than
    // the desktop's default sans. Where "MS Sans Serif" is Windows' screen
    // bitmap, whose letters Qt draws badly and cannot scale, Windows' own
    // outline version of it, "Microsoft Sans Serif", stands in.
    static const QString family = [] {
        for (const QString& candidate :
             {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
              QStringLiteral("Liberation Sans")}) {
            if (QFontDatabase::hasFamily(candidate) && QFontDatabase::isSmoothlyScalable(candidate))
                return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return FaceFont(family, points, bold);
}

} // namespace pellucors
