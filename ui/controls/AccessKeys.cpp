#include "AccessKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcutEvent>

namespace pellucors {

bool AccessKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        // A button receives shortcut events for its own access key only.
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button && !static_cast<QShortcutEvent*>(event)->isAmbiguous() && button->isEnabled()) {
            button->click();
            return true;
        }
    } else if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched)) {
        // An access key never gets here: its shortcut took the key first.
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & Qt::AltModifier) && !key->text().isEmpty() &&
            key->text().front().isPrint())
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pellucors
