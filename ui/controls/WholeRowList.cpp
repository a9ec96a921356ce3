#include "WholeRowList.h"

#include "RowDirectionDelegate.h"

#include <QEvent>
#include <QScrollBar>

#include <algorithm>

namespace pellucors {

WholeRowList::WholeRowList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new RowDirectionDelegate(this));
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
    SnapHeight();
}

// Runs whenever the rows or the scroll bars change: by then the viewport has
// its final size, so a horizontal scroll bar that has just appeared counts.
void WholeRowList::updateGeometries() {
    QListWidget::updateGeometries();
    SnapHeight();
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
