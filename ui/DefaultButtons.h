#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

namespace pellucors {

// Default and cancel buttons for a window that is not a QDialog (the MDI
// child windows): Enter presses the default button and Esc the cancel button
// wherever the focus is in the window, except that Enter on a focused button
// presses that button. Either button may be null.
class DefaultButtons final : public QObject {
    Q_OBJECT
public:
    DefaultButtons(QWidget& window, QAbstractButton* defaultButton, QAbstractButton* cancelButton);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractButton* m_default;
    QAbstractButton* m_cancel;
};

} // namespace pellucors
