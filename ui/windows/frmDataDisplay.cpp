#include "frmDataDisplay.h"

#include "core/ListRow.h"
#include "platform/MessageService.h"
#include "platform/qt/FixedPitchFont.h"
#include "ui/controls/Controls.h"
#include "ui/controls/DefaultButtons.h"
#include "ui/controls/Twips.h"
#include "ui/controls/WholeRowList.h"
#include "ui/controls/WindowFonts.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

namespace pellucors {

namespace {
QListWidget* MakeList(QWidget* parent) {
    auto* list = new WholeRowList(parent);
    list->setObjectName(QStringLiteral("lstGPSData"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont font = FixedPitchFont(QStringLiteral("Courier New"), 9.75);
    // At 100% Windows' font engine rounds each advance to whole pixels
    // (Courier New's 7.8 to 8), and the heading row came out a pixel wider
    // than the list. Hinted only vertically, the rows keep the face's own
    // advances, as at every other scale and on Linux.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    list->setFont(font);
    list->SetDesignedGeometry(TwipsRect(240, 120, 5295, 1980));
    const QString tooltip =
        QStringLiteral("Data entered on the Ground Station Calculator will appear here.");
    list->setToolTip(tooltip);
    list->setAccessibleName(QStringLiteral("GPS Data"));
    list->setAccessibleDescription(tooltip);
    return list;
}
} // namespace

frmDataDisplay::frmDataDisplay(MessageService& messages, PrinterFactory makePrinter,
                               QWidget* parent)
    : QWidget(parent), m_messages(messages), m_makePrinter(std::move(makePrinter)),
      lstGPSData(MakeList(this)), m_rows(*lstGPSData) {
    setObjectName(QStringLiteral("frmDataDisplay"));
    setWindowTitle(QStringLiteral("GPS Data"));
    setFont(SansFont(8.25));
    setFixedSize(TwipsSize(5775, 4305));
    CreateControls();

    connect(cmdRemove, &QPushButton::clicked, this, &frmDataDisplay::cmdRemove_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmDataDisplay::cmdClear_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmDataDisplay::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmDataDisplay::CloseRequested);
    new DefaultButtons(*this, nullptr, cmdClear);

    m_titleRow = TitleRow();
    m_rows.AppendRow(m_titleRow);
}

void frmDataDisplay::CreateControls() {
    auto* Frame1 = MakeFrame(this, "Frame1", QStringLiteral("GPS Data Display Controls"), 360, 2160,
                             2535, 1935);
    cmdRemove = MakeButton(Frame1, "cmdRemove", QStringLiteral("&Remove Item"),
                           QStringLiteral("Removes the selected item from the listed above"), 360,
                           360, 1815, 495);
    cmdClear = MakeButton(Frame1, "cmdClear", QStringLiteral("C&lear List"),
                          QStringLiteral("Clears the data listed above"), 360, 840, 1815, 495);
    cmdPrint = MakeButton(Frame1, "cmdPrint", QStringLiteral("&Print"),
                          QStringLiteral("Prints the data listed above"), 360, 1320, 1815, 495);
    cmdClose = MakeButton(this, "cmdClose", QStringLiteral("&Close"),
                          QStringLiteral("Closes this window"), 4200, 3480, 1215, 495);
    SetTabOrder({lstGPSData, cmdRemove, cmdClear, cmdPrint, cmdClose});
    setFocusProxy(lstGPSData);
}

void frmDataDisplay::cmdRemove_Click() {
    const int selected = m_rows.SelectedIndex();
    if (selected == 0) {
        m_messages.Show("Pellucors - Error!",
                        "You can not remove the title row.\r\nPlease make another selection",
                        MessageIcon::Information, MessageButtons::Ok);
    } else if (selected == -1) {
        m_messages.Show("Pellucors - Error!", "Please select a line to be deleted",
                        MessageIcon::Information, MessageButtons::Ok);
    } else {
        // The log's count is untouched: a removed row still counts until Clear List.
        m_rows.RemoveRow(selected);
    }
}

void frmDataDisplay::cmdClear_Click() {
    const MessageAnswer answer =
        m_messages.Show("Pellucors - Warning!",
                        "You are about to delete all the data in the list box.\r\n"
                        "Do you wish to continue?",
                        MessageIcon::Question, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    Q_EMIT ListCleared();
    m_rows.Clear();
    m_rows.AppendRow(m_titleRow);
}

void frmDataDisplay::PrintGpsData() {
    PrintGpsDataOrReport(m_rows, m_makePrinter, m_messages);
}

} // namespace pellucors
