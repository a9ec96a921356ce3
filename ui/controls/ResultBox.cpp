#include "ResultBox.h"

#include "WholePixels.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace pellucors {

ResultBox::ResultBox(const QString& heading, QWidget* parent)
    : QLabel(parent), m_heading(heading), m_designedFont(font()) {
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
    FitText();
    UpdateAccessibleName();
}

void ResultBox::UpdateAccessibleName() {
    // The whole value, whatever size it is drawn at.
    const QString heading = m_heading.simplified();
    setAccessibleName(text().isEmpty() ? heading : heading + QStringLiteral(": ") + text());
}

int ResultBox::TextRoom() const {
    return contentsRect().width() - 2 * margin();
}

void ResultBox::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // A font set from outside is the designed one; our own fitting is not.
    if (event->type() == QEvent::FontChange && !m_fitting) {
        m_designedFont = font();
        FitText();
    }
}

void ResultBox::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    // The border again, on the box's own whole pixels: at 125% a side of it
    // fell on a pixel outside the box where the window stood on a part pixel.
    QPainter painter(this);
    MapOntoWholePixels(painter, size());
    drawFrame(&painter);
}

void ResultBox::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    FitText();
}

void ResultBox::FitText() {
    const QString value = text();
    const int room = TextRoom();
    const auto fits = [&](const QFont& candidate) {
        return std::ceil(QFontMetricsF(candidate, this).horizontalAdvance(value)) <= room;
    };
    QFont fitted = m_designedFont;
    if (!value.isEmpty() && room > 0 && !fits(fitted)) {
        // Down from the designed size to the first that fits.
        const double designed = m_designedFont.pointSizeF();
        for (int step = 1; designed - step * kFitStepPoints >= kSmallestPoints; ++step) {
            fitted.setPointSizeF(designed - step * kFitStepPoints);
            if (fits(fitted))
                break;
        }
    }
    if (fitted == font())
        return;
    m_fitting = true;
    setFont(fitted);
    m_fitting = false;
}

} // namespace pellucors
