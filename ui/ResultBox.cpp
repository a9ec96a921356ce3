#include "ResultBox.h"

namespace pellucors {

ResultBox::ResultBox(const QString& heading, QWidget* parent) : QLabel(parent), m_heading(heading) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    // Selectable so a result can be copied, but a click must not take the
    // keyboard from the text box the user is typing in.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::NoFocus);
    UpdateAccessibleName();
}

void ResultBox::SetHeading(const QString& heading) {
    m_heading = heading;
    UpdateAccessibleName();
}

void ResultBox::SetResult(const QString& value) {
    setText(value);
    UpdateAccessibleName();
}

void ResultBox::UpdateAccessibleName() {
    const QString heading = m_heading.simplified();
    setAccessibleName(text().isEmpty() ? heading : heading + QStringLiteral(": ") + text());
}

} // namespace pellucors
