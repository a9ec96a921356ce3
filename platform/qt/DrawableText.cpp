#include "DrawableText.h"

#include <QGlyphRun>
#include <QHash>
#include <QPair>
#include <QStringView>
#include <QTextLayout>

#include <algorithm>

namespace pellucors {

namespace {
// Whether a face the font system offers for `font` has a glyph for `code`:
// laid out alone, a character none has comes out as glyph 0, the missing
// glyph's box. Asked once a character and family.
bool HasGlyph(char32_t code, const QFont& font) {
    static QHash<QPair<QString, char32_t>, bool> known;
    const QPair<QString, char32_t> key(font.family(), code);
    if (const auto found = known.constFind(key); found != known.constEnd())
        return *found;
    QTextLayout layout(QString::fromUcs4(&code, 1), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    bool drawn = false;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        drawn = !glyphs.isEmpty() && std::find(glyphs.begin(), glyphs.end(), 0U) == glyphs.end();
        if (!drawn)
            break;
    }
    known.insert(key, drawn);
    return drawn;
}

// Characters drawn on others or not at all (marks, blanks, controls and
// formats): never a blank of their own.
bool TakesNoRoom(char32_t code) {
    const QChar::Category category = QChar::category(code);
    return category <= QChar::Mark_Enclosing ||
           (category >= QChar::Separator_Space && category <= QChar::Other_Format);
}
} // namespace

QString DrawableText(const QString& text, const QFont& font) {
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text;
    const QString mark = HasGlyph(0xFFFD, font) ? QStringLiteral("\uFFFD") : QStringLiteral("?");
    QString drawable;
    for (const char32_t code : QStringView(text).toUcs4()) {
        if (code < 0x80 || TakesNoRoom(code) || HasGlyph(code, font))
            drawable += QString::fromUcs4(&code, 1);
        else
            drawable += mark;
    }
    return drawable;
}

} // namespace pellucors
