#pragma once

#include "platform/qt/QtListService.h"
#include "print/GpsDataPrintout.h"

#include <QWidget>

#include <string>

class QListWidget;
class QPushButton;

namespace pellucors {

class MessageService;

// The GPS Data window: the log's rows under their heading row, with Remove
// Item, Clear List, Print and Close.
class frmDataDisplay final : public QWidget {
    Q_OBJECT
public:
    static constexpr QPoint kHomeTwips{5910, 3180};

    frmDataDisplay(MessageService& messages, PrinterFactory makePrinter, QWidget* parent = nullptr);

    // The list's rows, the only copy of what was logged.
    ListService& GpsDataList() { return m_rows; }
    // Prints the rows on a new document; the Print button and File > Print.
    void PrintGpsData();

Q_SIGNALS:
    void CloseRequested(); // Close
    // Clear List was confirmed; the rows go right after.
    void ListCleared();

private:
    void CreateControls();

    void cmdRemove_Click();
    void cmdClear_Click();
    void cmdPrint_Click() { PrintGpsData(); }

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
