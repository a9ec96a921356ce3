#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QPushButton;
class QWidget;

namespace pellucors {

// Default and cancel buttons for a window that is not a QDialog (the MDI
// child windows): Enter presses the default button and Esc the cancel button
// wherever the focus is in the window, except that Enter on a focused button
// presses that button. The button Enter would press is the one drawn as the
// default: a focused button alone, otherwise the window's default button.
// Either button may be null. It belongs to the window and outlives no control
// it watches.
class DefaultButtons final : public QObject {
    Q_OBJECT
public:
    DefaultButtons(QWidget& window, QPushButton* defaultButton, QAbstractButton* cancelButton);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DrawDefault(QWidget* focused);

    QPointer<QWidget> m_window;
    QPointer<QPushButton> m_default;
    QPointer<QAbstractButton> m_cancel;
};

} // namespace pellucors
