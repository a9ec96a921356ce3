#include "GpsDataPrintout.h"

#include "platform/ListService.h"
#include "platform/MessageService.h"
#include "platform/PrinterService.h"

#include <cstdint>

namespace pellucors {

void PrintGpsData(const ListService& rows, PrinterService& printer) {
    printer.SetFontName("Courier");
    printer.SetFontSize(22);
    printer.PrintEmptyLine();
    printer.PrintEmptyLine();
    printer.PrintLine({PrintItem::Column(12), PrintItem::Text("Larkmoor"), PrintItem::Text(" "),
                       PrintItem::Text("Aerial"), PrintItem::Text(" "),
                       PrintItem::Text("Surveys")});

    printer.SetFontName("Courier");
    printer.SetFontSize(20);
    printer.PrintEmptyLine();
    const int rowCount = rows.RowCount();
    for (int i = 0; i < rowCount; ++i)
        printer.PrintLine({PrintItem::Spaces(3), PrintItem::Text(rows.RowText(i))});
    printer.EndDocument();
}

bool PrintGpsDataOrReport(const ListService& rows, const PrinterFactory& makePrinter,
                          MessageService& messages) {
    try {
        const std::unique_ptr<PrinterService> printer = makePrinter();
        PrintGpsData(rows, *printer);
        return true;
    } catch (const PrinterError& error) {
        messages.Show("Pellucors - Printer error!",
                      std::string("The GPS data could not be printed.\r\n") + error.what(),
                      MessageIcon::Information, MessageButtons::Ok);
        return false;
    }
}

} // namespace pellucors
