#pragma once

#include <QObject>

namespace pellucors {

// Alt and a letter, in every window of the program. An access key acts at
// once, so that keys typed next land where it put the keyboard: Qt's buttons
// wait 100 ms before they act, and an option button holds the keyboard
// meanwhile, dropping what is typed. Any other Alt combination types nothing
// into a text box.
class AccessKeys final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace pellucors
