#include "LightPalette.h"

namespace pellucors {

QPalette LightPalette() {
    const QColor face(240, 240, 240);
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const QColor grey(120, 120, 120); // disabled text, still readable on the face
    struct Role {
        QPalette::ColorRole role;
        QColor enabled;
        QColor disabled;
    };
    const Role roles[] = {
        {QPalette::WindowText, black, grey},
        {QPalette::Window, face, face},
        {QPalette::Button, face, face},
        {QPalette::ButtonText, black, grey},
        {QPalette::Base, white, face},
        {QPalette::AlternateBase, QColor(247, 247, 247), face},
        {QPalette::Text, black, grey},
        {QPalette::BrightText, white, white},
        {QPalette::PlaceholderText, grey, grey},
        {QPalette::Light, white, white},
        {QPalette::Midlight, QColor(227, 227, 227), QColor(227, 227, 227)},
        {QPalette::Mid, QColor(160, 160, 160), QColor(160, 160, 160)},
        {QPalette::Dark, QColor(128, 128, 128), QColor(128, 128, 128)},
        {QPalette::Shadow, QColor(64, 64, 64), QColor(64, 64, 64)},
        {QPalette::Highlight, QColor(0, 84, 166), QColor(145, 145, 145)},
        {QPalette::HighlightedText, white, white},
        {QPalette::Link, QColor(0, 0, 238), grey},
        {QPalette::LinkVisited, QColor(85, 26, 139), grey},
        {QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220)},
        {QPalette::ToolTipText, black, black},
    };
    QPalette palette;
    for (const Role& r : roles) {
        palette.setColor(QPalette::Active, r.role, r.enabled);
        palette.setColor(QPalette::Inactive, r.role, r.enabled);
        palette.setColor(QPalette::Disabled, r.role, r.disabled);
    }
    return palette;
}

} // namespace pellucors
