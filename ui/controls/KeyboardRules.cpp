#include "KeyboardRules.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcutEvent>
#include <QWidget>

#include <algorithm>

namespace pellucors {

namespace {
// The keys with which a text box edits its own text, which it keeps over the
// menu's shortcuts (Ctrl+X cuts there, Ctrl+A selects all): taken from the
// user, they would end the program and lose the log, or open About, instead.
bool IsTextEditingKey(const QWidget* focus, const QKeyEvent& key) {
    const auto* box = qobject_cast<const QLineEdit*>(focus);
    return box && !box->isReadOnly() &&
           (key.matches(QKeySequence::Cut) || key.matches(QKeySequence::SelectAll) ||
            key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Paste) ||
            key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo));
}
} // namespace

KeyboardRules::KeyboardRules(QWidget& mainWindow, QList<QAction*> menuShortcuts)
    : QObject(&mainWindow), m_mainWindow(mainWindow), m_menuShortcuts(std::move(menuShortcuts)) {
    qApp->installEventFilter(this);
}

bool KeyboardRules::MenuTakes(const QKeyEvent& key) const {
    // The key goes to the window first, then to the widget that has the
    // keyboard: the text box is known by the keyboard, not the receiver.
    if (!m_mainWindow.isActiveWindow() || IsTextEditingKey(QApplication::focusWidget(), key))
        return false;
    const QKeySequence pressed(key.keyCombination());
    return std::any_of(m_menuShortcuts.begin(), m_menuShortcuts.end(),
                       [&](const QAction* action) { return action->shortcut() == pressed; });
}

bool KeyboardRules::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (event->type() == QEvent::Shortcut && button && button->isEnabled() &&
        !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        // A button receives shortcut events for its own access key only.
        button->click();
        return true;
    }
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched)) {
        // An access key never gets here: its shortcut took the key first.
        const auto* key = static_cast<QKeyEvent*>(event);
        return (key->modifiers() & Qt::AltModifier) && !key->text().isEmpty() &&
               key->text().front().isPrint();
    }
    if (event->type() == QEvent::ShortcutOverride && MenuTakes(*static_cast<QKeyEvent*>(event))) {
        event->ignore(); // not overridden: the menu's shortcut gets the key
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pellucors
