#include "WholeRowList.h"

#include "RowGridDelegate.h"
#include "WholePixels.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <functional>

namespace pellucors {

namespace {
// Draws a frame above its siblings, on the outermost whole pixels it covers
// on the screen, and lets every click through.
class FrameOverlay final : public QWidget {
public:
    FrameOverlay(QWidget* parent, std::function<void(QPainter*)> paint)
        : QWidget(parent), m_paint(std::move(paint)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        MapOntoWholePixels(painter, size());
        m_paint(&painter);
    }

private:
    std::function<void(QPainter*)> m_paint;
};
} // namespace

WholeRowList::WholeRowList(QWidget* parent)
    : QListWidget(parent),
      m_frameAbove(new FrameOverlay(this, [this](QPainter* painter) { drawFrame(painter); })) {
    setItemDelegate(new RowGridDelegate(this));
    // Each scroll bar's container rises whenever the list lays it out (on
    // more occasions than a subclass hears of): the frame rises after it.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        bar->parentWidget()->installEventFilter(this);
}

bool WholeRowList::eventFilter(QObject* watched, QEvent* event) {
    // Put back under the frame, the scroll bar's strip alone is drawn again,
    // not the whole list under a raised frame.
    if (event->type() == QEvent::ZOrderChange && children().constLast() != m_frameAbove)
        static_cast<QWidget*>(watched)->stackUnder(m_frameAbove);
    return QListWidget::eventFilter(watched, event);
}

void WholeRowList::SetDesignedGeometry(const QRect& designed) {
    m_designedHeight = designed.height();
    setGeometry(designed);
    SnapHeight();
}

void WholeRowList::changeEvent(QEvent* event) {
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_rowHeight = 0;
}

void WholeRowList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    m_frameAbove->setGeometry(rect());
    KeepFrameAbove();
    SnapHeight();
}

// Runs whenever the rows or the scroll bars change: by then the viewport has
// its final size, so a horizontal scroll bar that has just appeared counts.
void WholeRowList::updateGeometries() {
    QListWidget::updateGeometries();
    SnapHeight();
}

void WholeRowList::KeepFrameAbove() {
    // At a display scale such as 125% the rows' area, rounded to whole
    // pixels, covered a side of the frame drawn around it, or the frame's
    // line fell outside the list, or a scroll bar covered it.
    m_frameAbove->raise();
}

void WholeRowList::SnapHeight() {
    // Until the list has been laid out its viewport size means nothing.
    if (m_designedHeight <= 0 || count() == 0 || testAttribute(Qt::WA_PendingResizeEvent))
        return;
    if (m_rowHeight <= 0)
        m_rowHeight = sizeHintForRow(0);
    const int row = m_rowHeight;
    if (row <= 0)
        return;
    // Frame, scroll bar and whatever else the style puts around the rows.
    const int chrome = height() - viewport()->height();
    const int rows = std::max(1, (m_designedHeight - chrome) / row);
    const int snapped = chrome + rows * row;
    if (snapped != height())
        resize(width(), snapped);
}

} // namespace pellucors
