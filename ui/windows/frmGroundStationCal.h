#pragma once

#include "ChildWindow.h"
#include "core/DistanceUnit.h"
#include "core/NumericInput.h"
#include "ui/controls/UnitOptions.h"

#include <QWidget>

#include <optional>

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

    frmGroundStationCal(WindowShell& shell, GpsLog& log, MessageService& messages,
                        RegionalSeparators separators, QWidget* parent = nullptr);

    UnitIndex SelectedUnit() const { return optDistance->SelectedUnit(); }
    QLineEdit* FirstInput() const { return txtLineNo; }

private:
    void CreateControls();
    void ProcessEntry();
    struct EntryInputs {
        double length;       // in the selected unit
        double allowedError; // cm
    };
    // The six input checks in order; empty after the first failure's message.
    std::optional<EntryInputs> CheckInputs();
    // The results the plan holds, in the result boxes; the unit headings
    // once the plan is whole.
    void ShowPlan(const StationPlan& plan);
    void RejectBox(QLineEdit* box, const char* title, const char* text, bool exclamation);

    void cmdEnter_Click() { ProcessEntry(); }
    void cmdClearForm_Click();
    void cmdDisplay_Click() { m_shell.ToggleChild(ChildWindow::DataDisplay); }
    void cmdClose_Click() { m_shell.CloseChild(ChildWindow::GroundStationCal); }
    void cmdExit_Click() { m_shell.ShutDown(); }
    void optDistance_Click();

    WindowShell& m_shell;
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
