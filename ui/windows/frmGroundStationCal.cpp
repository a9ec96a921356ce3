#include "frmGroundStationCal.h"

#include "core/ArithmeticError.h"
#include "core/GpsLog.h"
#include "core/InputChecks.h"
#include "core/ListRow.h"
#include "core/NumberText.h"
#include "core/StationPlan.h"
#include "ui/controls/CalculationError.h"
#include "ui/controls/Controls.h"
#include "ui/controls/DefaultButtons.h"
#include "ui/controls/ResultBox.h"
#include "ui/controls/Twips.h"
#include "ui/controls/WindowFonts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pellucors {

namespace {
constexpr Qt::Alignment kCaption = Qt::AlignRight | Qt::AlignTop;
constexpr Qt::Alignment kHeading = Qt::AlignHCenter | Qt::AlignTop;
} // namespace

frmGroundStationCal::frmGroundStationCal(GpsLog& log, MessageService& messages,
                                         RegionalSeparators separators, QWidget* parent)
    : QWidget(parent), m_log(log), m_messages(messages), m_separators(std::move(separators)) {
    setObjectName(QStringLiteral("frmGroundStationCal"));
    setWindowTitle(QStringLiteral("GPS Data Entry"));
    setFont(SansFont(8.25));
    setFixedSize(TwipsSize(5820, 6945));
    CreateControls();

    connect(cmdEnter, &QPushButton::clicked, this, &frmGroundStationCal::cmdEnter_Click);
    connect(cmdClearForm, &QPushButton::clicked, this, &frmGroundStationCal::cmdClearForm_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmGroundStationCal::ShutDownRequested);
    connect(cmdDisplay, &QPushButton::clicked, this,
            &frmGroundStationCal::DataDisplayToggleRequested);
    connect(cmdClose, &QPushButton::clicked, this, &frmGroundStationCal::CloseRequested);
    connect(optDistance, &UnitOptions::Selected, this, &frmGroundStationCal::optDistance_Click);
    new DefaultButtons(*this, cmdEnter, cmdClearForm);
}

void frmGroundStationCal::CreateControls() {
    Frame1 = MakeFrame(this, "Frame1", QStringLiteral("Enter Data"), 263, 300, 5295, 5565);

    auto* Label1 =
        MakeLabel(Frame1, "Label1", QStringLiteral("Line Number:"), 525, 525, 1215, 255, kCaption);
    txtLineNo = MakeTextBox(Frame1, "txtLineNo", Label1->text(),
                            QStringLiteral("Enter line designation here"), 1950, 375, 1065, 495);
    auto* Label2 = MakeLabel(Frame1, "Label2", QStringLiteral("Length  of Flight Line:"), 165, 1102,
                             1575, 255, kCaption);
    txtDistance = MakeTextBox(Frame1, "txtDistance", Label2->text(),
                              QStringLiteral("Enter line length here"), 1950, 975, 1065, 495);
    auto* Label5 = MakeLabel(Frame1, "Label5", QStringLiteral("Error in Centimeters:"), 210, 1680,
                             1530, 345, kCaption);
    txtOkError =
        MakeTextBox(Frame1, "txtOkError", Label5->text(),
                    QStringLiteral("Enter error allowed in Centimeters"), 1950, 1575, 1065, 495);
    FitLabelToText(Label1);
    FitLabelToText(Label2);
    FitLabelToText(Label5);
    Label1->setBuddy(txtLineNo);
    Label2->setBuddy(txtDistance);
    Label5->setBuddy(txtOkError);

    optDistance = new UnitOptions(*Frame1, QRect(3240, 450, 1800, 1590), {240, 645, 1050});

    auto* Label4 =
        MakeLabel(Frame1, "Label4", QStringLiteral("Number of GPS Ground Stations Required"), 555,
                  2640, 1215, 615, kHeading);
    lblNoGroundStations = MakeResultBox(
        Frame1, "lblNoGroundStations", Label4->text(),
        QStringLiteral("Returns the number of ground stations required to cover a job"), 555, 3465,
        1215, 495);
    lblTitleGPSSpacing =
        MakeLabel(Frame1, "lblTitleGPSSpacing", QStringLiteral("Ground Station Spacing "), 1950,
                  2625, 1320, 690, kHeading);
    lblSpacing = MakeResultBox(Frame1, "lblSpacing", QStringLiteral("Ground Station Spacing"),
                               QStringLiteral("Returns the spacing based on GPS error"), 2010, 3465,
                               1215, 495);
    lblMaxDisTitle = MakeLabel(Frame1, "lblMaxDisTitle",
                               QStringLiteral("Max Distance  from Base Station with Clients Specs"),
                               3345, 2520, 1440, 900, kHeading);
    lblClientsSpec = MakeResultBox(
        Frame1, "lblClientsSpec", QStringLiteral("Max Distance from Base Station"),
        QStringLiteral(
            "Returns the distance away from a ground station based on a clients specifications "),
        3465, 3465, 1215, 495);

    cmdEnter = MakeButton(Frame1, "cmdEnter", QStringLiteral("&Enter"),
                          QStringLiteral("Click for each data entry"), 525, 4560, 1215, 495);
    cmdClearForm = MakeButton(Frame1, "cmdClearForm", QStringLiteral("C&lear"),
                              QStringLiteral("Clears this windows text boxes and display labels"),
                              2040, 4560, 1215, 495);
    cmdExit = MakeButton(Frame1, "cmdExit", QStringLiteral("E&xit"),
                         QStringLiteral("Ends the program"), 3480, 4560, 1215, 495);
    cmdDisplay = MakeButton(this, "cmdDisplay", QStringLiteral("&Display GPS Data"),
                            QStringLiteral("Dispalys the GPS Data window"), 1163, 6120, 1815, 495);
    cmdClose = MakeButton(this, "cmdClose", QStringLiteral("&Close"),
                          QStringLiteral("Closes this window"), 3443, 6120, 1215, 495);

    SetTabOrder({txtLineNo, txtDistance, txtOkError, cmdEnter, cmdClearForm, cmdExit,
                 optDistance->Button(0), optDistance->Button(1), optDistance->Button(2), cmdDisplay,
                 cmdClose});
    setFocusProxy(txtLineNo);
}

void frmGroundStationCal::ProcessEntry() {
    const auto checked = CheckStationEntry(
        txtLineNo->text().toStdString(), txtDistance->text().toStdString(),
        txtOkError->text().toStdString(), optDistance->AnySelected(), m_separators);
    if (const auto* problem = std::get_if<InputProblem>(&checked)) {
        if (problem->input == Input::Units) {
            optDistance->Select(0);
        } else {
            QLineEdit* box = problem->input == Input::LineNumber ? txtLineNo
                             : problem->input == Input::Length   ? txtDistance
                                                                 : txtOkError;
            box->setFocus();
            box->clear();
        }
        ShowOk(m_messages, problem->message);
        return;
    }
    const auto& inputs = std::get<StationInputs>(checked);
    StationPlan plan;
    try {
        PlanStations(inputs.length, SelectedUnit(), inputs.allowedErrorCm, m_messages, plan);
        ShowPlan(plan);
        m_log.AddGpsEntry(LoggedDesignation(txtLineNo->text().toStdString()), plan);
    } catch (const ArithmeticError&) {
        ShowPlan(plan);
        ShowCalculationError(m_messages);
        return;
    }
    txtLineNo->setFocus();
    txtLineNo->clear();
    txtDistance->clear();
    txtOkError->clear();
}

void frmGroundStationCal::ShowPlan(const StationPlan& plan) {
    const auto text = [this](float distance) {
        return QString::fromStdString(SingleToText(distance, m_separators.decimal));
    };
    if (plan.maxDistance)
        lblClientsSpec->SetResult(text(*plan.maxDistance));
    if (plan.stationCount)
        lblNoGroundStations->SetResult(QString::fromStdString(CountToText(*plan.stationCount)));
    if (!plan.spacing)
        return;
    lblSpacing->SetResult(text(*plan.spacing));
    const QString name = QString::fromStdString(plan.unitName);
    lblTitleGPSSpacing->setText(QStringLiteral("Ground Station\nSpacing in\n") + name);
    lblMaxDisTitle->setText(QStringLiteral("Max Distance from Base Station with Clients Specs\n") +
                            name);
    lblSpacing->SetHeading(QStringLiteral("Ground Station Spacing in ") + name);
    lblClientsSpec->SetHeading(QStringLiteral("Max Distance from Base Station in ") + name);
}

void frmGroundStationCal::cmdClearForm_Click() {
    txtLineNo->setFocus();
    txtLineNo->clear();
    txtDistance->clear();
    txtOkError->clear();
    lblNoGroundStations->SetResult(QString());
    lblSpacing->SetResult(QString());
    lblClientsSpec->SetResult(QString());
    optDistance->Select(0);
}

void frmGroundStationCal::optDistance_Click() {
    txtLineNo->setFocus();
}

} // namespace pellucors
