#pragma once

#include "core/DistanceUnit.h"
#include "core/NumericInput.h"
#include "ui/controls/UnitOptions.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pellucors {

class GpsLog;
class MessageService;
class ResultBox;
struct StationPlan;

// The ground station calculator ("GPS Data Entry"): checks one flight line's
// designation, length and allowed error, shows the stations it needs and logs
// the entry.
class frmGroundStationCal final : public QWidget {
    Q_OBJECT
public:
    static constexpr QPoint kHomeTwips{0, 0};

    frmGroundStationCal(GpsLog& log, MessageService& messages, RegionalSeparators separators,
                        QWidget* parent = nullptr);

    UnitIndex SelectedUnit() const { return optDistance->SelectedUnit(); }
    QLineEdit* FirstInput() const { return txtLineNo; }

Q_SIGNALS:
    void CloseRequested();             // Close
    void DataDisplayToggleRequested(); // Display GPS Data
    void ShutDownRequested();          // Exit

private:
    void CreateControls();
    // Checks the inputs in their order (the first that fails is focused and
    // emptied, or Kilometers selected, then its message shown); plans, shows
    // and logs a valid entry, then empties the boxes for the next line.
    void ProcessEntry();
    // The results the plan holds, in the result boxes; the unit headings
    // once the plan is whole.
    void ShowPlan(const StationPlan& plan);

    void cmdEnter_Click() { ProcessEntry(); }
    void cmdClearForm_Click();
    void optDistance_Click();

    GpsLog& m_log;
    MessageService& m_messages;
    RegionalSeparators m_separators;

    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtLineNo = nullptr;
    QLineEdit* txtDistance = nullptr;
    QLineEdit* txtOkError = nullptr;
    UnitOptions* optDistance = nullptr;
    ResultBox* lblNoGroundStations = nullptr;
    QLabel* lblTitleGPSSpacing = nullptr;
    ResultBox* lblSpacing = nullptr;
    QLabel* lblMaxDisTitle = nullptr;
    ResultBox* lblClientsSpec = nullptr;
    QPushButton* cmdEnter = nullptr;
    QPushButton* cmdClearForm = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdDisplay = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace pellucors
