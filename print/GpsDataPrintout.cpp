#include "GpsDataPrintout.h"

#include "TableFit.h"
#include "core/ListRow.h"
#include "platform/ListService.h"
#include "platform/MessageService.h"
#include "platform/PrinterService.h"

#include <string>
#include <vector>

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
    constexpr int kIndent = 3; // spaces before every row
    const std::string indent(kIndent, ' ');
    std::vector<std::string> table;
    const int rowCount = rows.RowCount();
    for (int i = 0; i < rowCount; ++i)
        table.push_back(rows.RowText(i));
    // A number cut at the paper's edge would be a wrong number on paper: the
    // whole table gets smaller until its widest row fits, and a row too wide
    // even then continues on the next line.
    const TableType type = TableTypeForWidth(indent, table, printer);
    printer.SetFontSize(type.points);
    printer.PrintEmptyLine();
    for (const std::string& row : table) {
        // A right-to-left designation is printed as a text of its own: laid
        // out with the row, it would carry the columns beside it into its
        // order. The stored row stays as it is.
        const std::size_t designationEnd = HasRightToLeftText(row) ? DesignationEnd(row) : 0;
        const std::vector<std::string> pieces =
            type.everyRowFits ? std::vector<std::string>{row}
                              : FitRowToWidth(indent, row, type.points, printer);
        std::size_t offset = 0; // of the piece in the row
        for (const std::string& piece : pieces) {
            std::vector<PrintItem> items{PrintItem::Spaces(kIndent)};
            if (designationEnd > offset && designationEnd < offset + piece.size()) {
                const std::size_t split = designationEnd - offset;
                items.push_back(PrintItem::Text(piece.substr(0, split)));
                items.push_back(PrintItem::Text(piece.substr(split)));
            } else {
                items.push_back(PrintItem::Text(piece));
            }
            printer.PrintLine(items);
            offset += piece.size();
        }
    }
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
