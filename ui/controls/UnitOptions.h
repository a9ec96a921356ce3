#pragma once

#include "core/DistanceUnit.h"

#include <QObject>

#include <array>

class QButtonGroup;
class QRadioButton;
class QWidget;

namespace pellucors {

// The "Miles/Kilometers" frame of a calculator: three option buttons whose
// index is the unit index, and the unit selected last. Kilometers is selected
// at start. Tab and Shift+Tab enter the group at the selected button.
class UnitOptions final : public QObject {
    Q_OBJECT
public:
    // `frame` and `buttonTops` in twips, relative to `parent` and the frame.
    UnitOptions(QWidget& parent, const QRect& frameTwips,
                const std::array<int, kUnitCount>& buttonTops);

    QRadioButton* Button(UnitIndex index) const;
    bool AnySelected() const;
    UnitIndex SelectedUnit() const { return m_selected; }
    // Selects `index` (a selection even where it was selected) and clears
    // the other two.
    void Select(UnitIndex index);

Q_SIGNALS:
    // A button became selected, by the user or by the program.
    void Selected(UnitIndex index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PutTabStopOnSelected();

    QButtonGroup* m_group;
    std::array<QRadioButton*, kUnitCount> m_buttons{};
    UnitIndex m_selected = 0;
};

} // namespace pellucors
