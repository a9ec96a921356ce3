#pragma once

#include <QList>
#include <QObject>

class QAction;
class QKeyEvent;
class QWidget;

namespace pellucors {

// The program's keyboard, in every window. An access key (Alt and a letter)
// acts at once, so that keys typed next land where it put the keyboard (Qt's
// buttons act 100 ms later, an option button dropping what is typed
// meanwhile); any other Alt combination types nothing into a text box. The
// menu's shortcuts act from every child window, also where a control would
// take the key, but for a text box's own editing keys.
class KeyboardRules final : public QObject {
    Q_OBJECT
public:
    // Watches the application while `mainWindow`, which holds the menu, lives.
    KeyboardRules(QWidget& mainWindow, QList<QAction*> menuShortcuts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MenuTakes(const QKeyEvent& key) const;

    QWidget& m_mainWindow;
    QList<QAction*> m_menuShortcuts;
};

} // namespace pellucors
