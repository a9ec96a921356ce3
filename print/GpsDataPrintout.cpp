#include "GpsDataPrintout.h"

#include "TableFit.h"
#include "platform/ListService.h"
#include "platform/MessageService.h"
#include "platform/PrinterService.h"

#include <string>
#include <vector>

namespace pellucors {

namespace {
constexpr double kHeadingPoints = 22.0; // the company heading block

void PrintTableLine(PrinterService& printer, const PrintedLine& line) {
    std::vector<PrintItem> items;
    for (const GridText& text : line) {
        items.push_back(items.empty() ? PrintItem::Spaces(static_cast<int>(text.cell))
                                      : PrintItem::Column(static_cast<int>(text.cell) + 1));
        items.push_back(PrintItem::Text(text.text));
    }
    printer.PrintLine(items);
}
} // namespace

void PrintGpsData(const ListService& rows, PrinterService& printer) {
    printer.SetFontName("Courier");
    printer.SetFontSize(kHeadingPoints);
    printer.PrintEmptyLine();
    printer.PrintEmptyLine();
    printer.PrintLine({PrintItem::Column(12), PrintItem::Text("Larkmoor"), PrintItem::Text(" "),
                       PrintItem::Text("Aerial"), PrintItem::Text(" "),
                       PrintItem::Text("Surveys")});
    const double headingBlock = 3 * printer.LineHeight(kHeadingPoints);

    printer.SetFontName("Courier");
    std::vector<std::string> table;
    const int rowCount = rows.RowCount();
    for (int i = 0; i < rowCount; ++i)
        table.push_back(rows.RowText(i));
    // A number cut at the paper's edge would be a wrong number on paper, and
    // the log holds no more entries than fit one sheet: the whole table gets
    // smaller until its widest row fits the width and all its rows the page.
    const TableType type = TableTypeForPage(table, headingBlock, printer);
    printer.SetFontSize(type.points);
    printer.PrintEmptyLine();

    // Only rows too wide even in the smallest type can run past the page.
    // Each page they continue on starts with the heading row, so that no page
    // shows numbers without their column names.
    const double lineHeight = printer.LineHeight(type.points);
    int linesLeft = LinesInHeight(printer.PrintableHeight() - headingBlock, lineHeight) - 1;
    std::vector<PrintedLine> headingRow; // the list's first row, once printed
    for (std::size_t row = 0; row < table.size(); ++row) {
        const std::vector<PrintedLine> lines =
            type.everyRowFits ? std::vector<PrintedLine>{RowLine(table[row], type.points, printer)}
                              : RowLines(table[row], type.points, printer);
        for (const PrintedLine& line : lines) {
            if (linesLeft-- <= 0) {
                printer.NewPage();
                linesLeft = LinesInHeight(printer.PrintableHeight(), lineHeight) - 1;
                for (const PrintedLine& heading : headingRow) {
                    PrintTableLine(printer, heading);
                    --linesLeft;
                }
            }
            PrintTableLine(printer, line);
        }
        if (row == 0)
            headingRow = lines;
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
