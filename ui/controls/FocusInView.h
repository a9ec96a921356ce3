#pragma once

#include <QObject>

class QAbstractScrollArea;
class QWidget;

namespace pellucors {

// Keeps the keyboard in sight: when the focus moves to a control inside
// `area` (by Tab, an access key or the program) that lies outside the part
// the area shows, the area scrolls just enough to show it with its caption
// (its label, or an option button's frame caption). A click needs no help:
// what is clicked is in view already.
class FocusInView final : public QObject {
    Q_OBJECT
public:
    explicit FocusInView(QAbstractScrollArea& area);

private:
    void Reveal(QWidget* control);

    QAbstractScrollArea& m_area;
};

} // namespace pellucors
