#include "DefaultButtons.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace pellucors {

DefaultButtons::DefaultButtons(QWidget& window, QPushButton* defaultButton,
                               QAbstractButton* cancelButton)
    : QObject(&window), m_window(&window), m_default(defaultButton), m_cancel(cancelButton) {
    // Keys the focused control does not use travel up to the window.
    window.installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { DrawDefault(now); });
    DrawDefault(QApplication::focusWidget());
}

void DefaultButtons::DrawDefault(QWidget* focused) {
    if (!m_window)
        return;
    auto* focusedButton = qobject_cast<QPushButton*>(focused);
    if (focusedButton && !m_window->isAncestorOf(focusedButton))
        focusedButton = nullptr;
    const QPushButton* drawn = focusedButton ? focusedButton : m_default.data();
    for (QPushButton* button : m_window->findChildren<QPushButton*>()) {
        if (button->isDefault() != (button == drawn))
            button->setDefault(button == drawn);
    }
}

bool DefaultButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;

    QAbstractButton* target = nullptr;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        auto* focusedButton = qobject_cast<QPushButton*>(QApplication::focusWidget());
        target = focusedButton ? focusedButton : m_default.data();
    } else if (key->key() == Qt::Key_Escape) {
        target = m_cancel;
    }
    if (!target || !target->isEnabled())
        return false;
    target->click();
    return true;
}

} // namespace pellucors
