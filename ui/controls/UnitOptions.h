#pragma once

#include "core/DistanceUnit.h"

#include <QObject>

#include <array>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QRadioButton;
class QWidget;

namespace pellucors {

// The "Miles/Kilometers" frame of a calculator: three option buttons whose
// index is the unit index. Kilometers is selected at start; `onSelected`
// runs with the index whenever a button becomes selected, by the user or by
// the program. Tab and Shift+Tab enter the group at the selected button.
class UnitOptions final : public QObject {
    Q_OBJECT
public:
    // `frame` and `buttonTops` in twips, relative to `parent` and the frame.
    UnitOptions(QWidget& parent, const QRect& frameTwips, const std::array<int, 3>& buttonTops);

    void OnSelected(std::function<void(UnitIndex)> onSelected);
    QGroupBox* Frame() const { return m_frame; }
    QRadioButton* Button(UnitIndex index) const;
    bool AnySelected() const;
    // Selects `index` (running the handler) and clears the other two.
    void Select(UnitIndex index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PutTabStopOnSelected();

    QGroupBox* m_frame;
    QButtonGroup* m_group;
    std::array<QRadioButton*, 3> m_buttons{};
    std::function<void(UnitIndex)> m_onSelected;
};

} // namespace pellucors
