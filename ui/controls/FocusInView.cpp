#include "FocusInView.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
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

QRect In(const QWidget* widget, const QWidget* viewport) {
    return {widget->mapTo(viewport, QPoint(0, 0)), widget->size()};
}

// The control with what names it: the caption whose buddy it is, or for an
// option button its frame's caption above it. A box without its caption in
// view is a box the user cannot tell from the others.
QRect WithCaption(const QWidget* control, const QWidget* viewport) {
    QRect rect = In(control, viewport);
    const QWidget* parent = control->parentWidget();
    if (!parent)
        return rect;
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == control)
            rect |= In(label, viewport);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(parent);
        frame && qobject_cast<const QRadioButton*>(control))
        rect |= QRect(frame->mapTo(viewport, QPoint(0, 0)),
                      QSize(frame->width(), control->geometry().bottom() + 1));
    return rect;
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
    const QRect rect = WithCaption(control, viewport);
    QScrollBar* across = m_area.horizontalScrollBar();
    QScrollBar* down = m_area.verticalScrollBar();
    across->setValue(across->value() + Shift(rect.left(), rect.right(), viewport->width()));
    down->setValue(down->value() + Shift(rect.top(), rect.bottom(), viewport->height()));
}

} // namespace pellucors
