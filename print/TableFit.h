#pragma once

#include <string>
#include <vector>

namespace pellucors {

class PrinterService;

// Type sizes of the printed table, in points.
constexpr double kTablePoints = 20.0;         // as designed
constexpr double kSmallestTablePoints = 10.0; // the smallest still read at arm's length
constexpr double kTablePointsStep = 0.5;

// The type of the whole table, one size so that its columns stay aligned.
struct TableType {
    double points;
    // False only at the smallest size, where a row may need more lines.
    bool everyRowFits;
};

// How many lines of `lineHeight` fit one above the other in `height` (0 or
// more). Printing and fitting count with it alike, so a table found to fit
// breaks no page.
int LinesInHeight(double height, double lineHeight);

// 20 pt when every line (`indent` and a row) fits the printable width,
// otherwise the largest 0.5 pt step at which the widest one fits, but not
// below 10 pt.
TableType TableTypeForWidth(const std::string& indent, const std::vector<std::string>& rows,
                            const PrinterService& printer);

// The table's type on the printed page: the size TableTypeForWidth gives,
// or the largest 0.5 pt step below it, not below 10 pt, at which the empty
// line above the table and every row also fit the printable height left
// under `above` (the company heading block), so that the whole log is on one
// sheet.
TableType TableTypeForPage(const std::string& indent, const std::vector<std::string>& rows,
                           double above, const PrinterService& printer);

// `row` in the pieces printed after `indent` at `points`, one line each: the
// row itself when it fits the printable width, otherwise broken after the last
// character that fits (each piece holds at least one character). Joined, the
// pieces are the row: nothing is cut or trimmed.
std::vector<std::string> FitRowToWidth(const std::string& indent, const std::string& row,
                                       double points, const PrinterService& printer);

} // namespace pellucors
