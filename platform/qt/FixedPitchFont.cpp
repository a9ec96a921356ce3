#include "FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>

#include <algorithm>

namespace pellucors {

namespace {
// Fixed-pitch, and drawn from outlines: a screen bitmap face (Windows' own
// "Courier" is one) prints only at its few pixel sizes, tiny on paper.
bool Usable(const QFont& font) {
    const QFontInfo info(font);
    return info.fixedPitch() && QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
}

// The family drawn where `family` is asked for. Where the font system stands
// in no fixed-pitch face of its own (fontconfig does, Windows and Qt's own
// font folder do not), the usual fixed-pitch faces are tried, then any there is.
QString ResolvedFamily(const QString& family) {
    QFont asked(family);
    asked.setStyleHint(QFont::TypeWriter);
    if (Usable(asked))
        return family;
    const QString systemFixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    const auto usable = [](const QString& candidate) {
        return QFontDatabase::hasFamily(candidate) && Usable(QFont(candidate));
    };
    for (const QString& candidate :
         {systemFixed, QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
          QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Consolas")}) {
        if (usable(candidate))
            return candidate;
    }
    const QStringList families = QFontDatabase::families();
    const auto any = std::find_if(families.begin(), families.end(), [&](const QString& candidate) {
        return QFontDatabase::isFixedPitch(candidate) && usable(candidate);
    });
    return any != families.end() ? *any : systemFixed;
}
} // namespace

QFont FixedPitchFont(const QString& family, double points) {
    // Asked for at every printed line: the search runs once a family.
    static QHash<QString, QString> resolved;
    auto found = resolved.constFind(family);
    if (found == resolved.constEnd())
        found = resolved.insert(family, ResolvedFamily(family));
    QFont font(*found);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    return font;
}

} // namespace pellucors
