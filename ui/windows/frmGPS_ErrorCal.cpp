#include "frmGPS_ErrorCal.h"

#include "core/ArithmeticError.h"
#include "core/InputChecks.h"
#include "core/NumberText.h"
#include "core/StationPlan.h"
#include "ui/controls/CalculationError.h"
#include "ui/controls/Controls.h"
#include "ui/controls/DefaultButtons.h"
#include "ui/controls/ResultBox.h"
#include "ui/controls/Twips.h"
#include "ui/controls/WindowFonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pellucors {

frmGPS_ErrorCal::frmGPS_ErrorCal(MessageService& messages, RegionalSeparators separators,
                                 QWidget* parent)
    : QWidget(parent), m_messages(messages), m_separators(std::move(separators)) {
    setObjectName(QStringLiteral("frmGPS_ErrorCal"));
    setWindowTitle(QStringLiteral("GPS Error Calculator"));
    setFont(SansFont(8.25));
    setFixedSize(TwipsSize(5775, 2805));
    CreateControls();

    connect(cmdCalculate, &QPushButton::clicked, this, &frmGPS_ErrorCal::cmdCalculate_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmGPS_ErrorCal::cmdClear_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmGPS_ErrorCal::CloseRequested);
    connect(optDistance, &UnitOptions::Selected, this, &frmGPS_ErrorCal::optDistance_Click);
    new DefaultButtons(*this, cmdCalculate, cmdClear);
}

void frmGPS_ErrorCal::CreateControls() {
    auto* lblDistance = MakeLabel(this, "lblDistance", QStringLiteral("Enter Distance:"), 435, 390,
                                  1170, 330, Qt::AlignRight | Qt::AlignTop);
    txtDistance = MakeTextBox(this, "txtDistance", lblDistance->text(),
                              QStringLiteral("Enter Distance here"), 1695, 285, 1800, 540);
    FitLabelToText(lblDistance);
    lblDistance->setBuddy(txtDistance);
    auto* Label1 = MakeLabel(this, "Label1", QStringLiteral("Total Error in Centimeters"), 330,
                             1125, 1170, 435, Qt::AlignCenter);
    lblAnswer = MakeResultBox(this, "lblAnswer", Label1->text(),
                              QStringLiteral("Answer will appear here in centimeters of error"),
                              1860, 1125, 1485, 435);
    optDistance = new UnitOptions(*this, QRect(3795, 75, 1800, 1590), {315, 682, 1050});
    cmdCalculate =
        MakeButton(this, "cmdCalculate", QStringLiteral("Calcula&te"),
                   QStringLiteral("Calculates distance and returns answer in Centimeters"), 420,
                   1950, 1170, 540);
    cmdClear =
        MakeButton(this, "cmdClear", QStringLiteral("C&lear"),
                   QStringLiteral("Clears the answer and the text box"), 1995, 1950, 1170, 540);
    cmdClose = MakeButton(this, "cmdClose", QStringLiteral("&Close"),
                          QStringLiteral("Closes this window"), 3990, 1950, 1170, 540);

    SetTabOrder({txtDistance, cmdCalculate, cmdClear, cmdClose, optDistance->Button(0),
                 optDistance->Button(1), optDistance->Button(2)});
    setFocusProxy(txtDistance);
}

void frmGPS_ErrorCal::CalculateError() {
    const auto checked = CheckErrorDistance(txtDistance->text().toStdString(),
                                            optDistance->AnySelected(), m_separators);
    if (const auto* problem = std::get_if<InputProblem>(&checked)) {
        if (problem->input == Input::Distance)
            txtDistance->setFocus();
        ShowOk(m_messages, problem->message);
        return;
    }
    try {
        GpsErrorEstimate estimate;
        EstimateGpsError(std::get<double>(checked), SelectedUnit(), m_messages, estimate);
        lblAnswer->SetResult(
            QString::fromStdString(DoubleToText(*estimate.errorCm, m_separators.decimal)));
    } catch (const ArithmeticError&) {
        ShowCalculationError(m_messages);
        return;
    }
    txtDistance->clear();
}

void frmGPS_ErrorCal::cmdCalculate_Click() {
    CalculateError();
    txtDistance->setFocus();
}

void frmGPS_ErrorCal::cmdClear_Click() {
    txtDistance->clear();
    lblAnswer->SetResult(QString());
    txtDistance->setFocus();
}

void frmGPS_ErrorCal::optDistance_Click() {
    txtDistance->setFocus();
}

} // namespace pellucors
