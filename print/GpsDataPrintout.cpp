#include "GpsDataPrintout.h"

#include "TableFit.h"
#include "core/ListRow.h"
#include "platform/ListService.h"
#include "platform/MessageService.h"
#include "platform/PrinterService.h"

#include <algorithm>
#include <string>
#include <vector>

namespace pellucors {

namespace {
constexpr double kHeadingPoints = 22.0; // the company heading block
constexpr int kIndent = 3;              // spaces before every table line

// A printed line of a row: the row itself, or a piece of one wider than the
// paper even in the smallest type. A right-to-left designation is printed as
// a text of its own: laid out with the row, it would carry the columns beside
// it into its order. `split` is where it ends in this line, or 0.
struct TableLine {
    std::string text;
    std::size_t split;
};

std::vector<TableLine> Layout(const std::string& row, const TableType& type,
                              PrinterService& printer) {
    const std::size_t designationEnd = HasRightToLeftText(row) ? DesignationEnd(row) : 0;
    std::vector<TableLine> lines;
    std::size_t offset = 0; // of the line in the row
    for (std::string& piece :
         type.everyRowFits ? std::vector<std::string>{row}
                           : FitRowToWidth(std::string(kIndent, ' '), row, type.points, printer)) {
        const bool splits = designationEnd > offset && designationEnd < offset + piece.size();
        const std::size_t split = splits ? designationEnd - offset : 0;
        offset += piece.size();
        lines.push_back({std::move(piece), split});
    }
    return lines;
}

void PrintTableLine(PrinterService& printer, const TableLine& line) {
    std::vector<PrintItem> items{PrintItem::Spaces(kIndent)};
    if (line.split > 0) {
        items.push_back(PrintItem::Text(line.text.substr(0, line.split)));
        items.push_back(PrintItem::Text(line.text.substr(line.split)));
    } else {
        items.push_back(PrintItem::Text(line.text));
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
    const TableType type =
        TableTypeForPage(std::string(kIndent, ' '), table, headingBlock, printer);
    printer.SetFontSize(type.points);
    printer.PrintEmptyLine();

    // Only rows too wide even in the smallest type can run past the page.
    // Each page they continue on starts with the heading row, so that no page
    // shows numbers without their column names.
    const double lineHeight = printer.LineHeight(type.points);
    int linesLeft = LinesInHeight(printer.PrintableHeight() - headingBlock, lineHeight) - 1;
    std::vector<TableLine> headingRow; // the list's first row, once printed
    for (std::size_t row = 0; row < table.size(); ++row) {
        const std::vector<TableLine> lines = Layout(table[row], type, printer);
        for (const TableLine& line : lines) {
            if (linesLeft-- <= 0) {
                printer.NewPage();
                linesLeft = LinesInHeight(printer.PrintableHeight(), lineHeight) - 1;
                for (const TableLine& heading : headingRow) {
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
