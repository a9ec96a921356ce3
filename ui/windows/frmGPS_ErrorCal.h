#pragma once

#include "core/DistanceUnit.h"
#include "core/NumericInput.h"
#include "ui/controls/UnitOptions.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pellucors {

class MessageService;
class ResultBox;

// The GPS error calculator: the total GPS error in centimetres at a distance
// from the base station. Logs nothing.
class frmGPS_ErrorCal final : public QWidget {
    Q_OBJECT
public:
    static constexpr QPoint kHomeTwips{5910, 0};

    frmGPS_ErrorCal(MessageService& messages, RegionalSeparators separators,
                    QWidget* parent = nullptr);

    UnitIndex SelectedUnit() const { return optDistance->SelectedUnit(); }

Q_SIGNALS:
    void CloseRequested(); // Close

private:
    void CreateControls();
    // The distance's checks (the failing box keeps its text), then the error.
    void CalculateError();

    void cmdCalculate_Click();
    void cmdClear_Click();
    void optDistance_Click();

    MessageService& m_messages;
    RegionalSeparators m_separators;

    QLineEdit* txtDistance = nullptr;
    ResultBox* lblAnswer = nullptr;
    UnitOptions* optDistance = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace pellucors
