#pragma once

#include "ChildWindow.h"
#include "platform/qt/QtListService.h"
#include "print/GpsDataPrintout.h"

#include <QWidget>

#include <string>

class QListWidget;
class QPushButton;

namespace pellucors {

class GpsLog;
class MessageService;

// The GPS Data window: the log's rows under their heading row, with Remove
// Item, Clear List, Print and Close.
class frmDataDisplay final : public QWidget {
    Q_OBJECT
public:
    static constexpr QPoint kHomeTwips{5910, 3180};

    frmDataDisplay(WindowShell& shell, GpsLog& log, MessageService& messages,
                   PrinterFactory makePrinter, QWidget* parent = nullptr);

    // The list's rows, the only copy of what was logged.
    ListService& GpsDataList() { return m_rows; }
    // Prints the rows on a new document; the Print button and File > Print.
    void PrintGpsData();

private:
    void CreateControls();

    void cmdRemove_Click();
    void cmdClear_Click();
    void cmdPrint_Click() { PrintGpsData(); }
    void cmdClose_Click() { m_shell.CloseChild(ChildWindow::DataDisplay); }

    WindowShell& m_shell;
    GpsLog& m_log;
    MessageService& m_messages;
    PrinterFactory m_makePrinter;
    std::string m_titleRow;

    QListWidget* lstGPSData = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;
    QtListService m_rows;
};

} // namespace pellucors
