#include "FocusInView.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

namespace pellucors {

namespace {
constexpr int kMargin = 8; // pixels of the window around the control

// How far to scroll along one axis so that `low`..`high` shows within
// 0..`visible`; its start where it is longer than that.
int Shift(int low, int high, int visible) {
    int shift = 0;
    if (high + kMargin > visible)
        shift = high + kMargin - visible;
    if (low - shift < kMargin)
        shift = low - kMargin;
    return shift;
}
} // namespace

FocusInView::FocusInView(QAbstractScrollArea& area) : QObject(&area), m_area(area) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now || !m_area.viewport()->isAncestorOf(now) ||
            QGuiApplication::mouseButtons() != Qt::NoButton)
            return;
        // Once the events in hand are handled: a window shown along with the
        // focus (as at the hand-over) has its place in the area by then.
        QTimer::singleShot(0, this, [this, control = QPointer<QWidget>(now)] {
            if (control && control->hasFocus())
                Reveal(control);
        });
    });
}

void FocusInView::Reveal(QWidget* control) {
    const QWidget* viewport = m_area.viewport();
    const QRect rect(control->mapTo(viewport, QPoint(0, 0)), control->size());
    QScrollBar* across = m_area.horizontalScrollBar();
    QScrollBar* down = m_area.verticalScrollBar();
    across->setValue(across->value() + Shift(rect.left(), rect.right(), viewport->width()));
    down->setValue(down->value() + Shift(rect.top(), rect.bottom(), viewport->height()));
}

} // namespace pellucors
