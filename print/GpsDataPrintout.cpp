#include "GpsDataPrintout.h"

#include "TableFit.h"
#include "core/ListRow.h"
#include "platform/ListService.h"
#include "platform/MessageService.h"
#include "platform/PrinterService.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace pellucors {

namespace {
constexpr double kHeadingPoints = 22.0; // the company heading block
constexpr int kIndent = 3;              // spaces before every table line

// A row of the list as printed: its lines (one, or more where it is wider
// than the paper even in the smallest type) and where its designation ends.
struct PrintedRow {
    std::vector<std::string> lines;
    // A right-to-left designation is printed as a text of its own: laid out
    // with the row, it would carry the columns beside it into its order. The
    // stored row stays as it is.
    std::size_t designationEnd;
};

PrintedRow Layout(const std::string& row, const TableType& type, PrinterService& printer) {
    return {type.everyRowFits ? std::vector<std::string>{row}
                              : FitRowToWidth(std::string(kIndent, ' '), row, type.points, printer),
            HasRightToLeftText(row) ? DesignationEnd(row) : 0};
}

void PrintLines(const PrintedRow& row, std::size_t first, std::size_t count,
                PrinterService& printer) {
    std::size_t offset = 0; // of the line in the row
    for (std::size_t i = 0; i < first; ++i)
        offset += row.lines[i].size();
    for (std::size_t i = first; i < first + count; ++i) {
        const std::string& line = row.lines[i];
        std::vector<PrintItem> items{PrintItem::Spaces(kIndent)};
        if (row.designationEnd > offset && row.designationEnd < offset + line.size()) {
            const std::size_t split = row.designationEnd - offset;
            items.push_back(PrintItem::Text(line.substr(0, split)));
            items.push_back(PrintItem::Text(line.substr(split)));
        } else {
            items.push_back(PrintItem::Text(line));
        }
        printer.PrintLine(items);
        offset += line.size();
    }
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
    std::optional<PrintedRow> headingRow; // the list's first row, once printed
    for (const std::string& text : table) {
        const PrintedRow row = Layout(text, type, printer);
        for (std::size_t done = 0; done < row.lines.size();) {
            if (linesLeft <= 0) {
                printer.NewPage();
                linesLeft = LinesInHeight(printer.PrintableHeight(), lineHeight);
                if (headingRow) {
                    PrintLines(*headingRow, 0, headingRow->lines.size(), printer);
                    linesLeft -= static_cast<int>(headingRow->lines.size());
                }
                linesLeft = std::max(linesLeft, 1); // and at least one line of the row
            }
            const std::size_t count =
                std::min(row.lines.size() - done, static_cast<std::size_t>(linesLeft));
            PrintLines(row, done, count, printer);
            done += count;
            linesLeft -= static_cast<int>(count);
        }
        if (!headingRow)
            headingRow.emplace(row);
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
