#pragma once

#include "core/ListRow.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pellucors {

class PrinterService;

// Type sizes of the printed table, in points.
constexpr double kTablePoints = 20.0;         // as designed
constexpr double kSmallestTablePoints = 10.0; // the smallest still read at arm's length
constexpr double kTablePointsStep = 0.5;

// Where the table's lines start, in character cells from the printable
// area's left edge: every row three blanks in, and a row continued on
// further lines under its second column, past the designation.
constexpr std::size_t kIndentCells = 3;
constexpr std::size_t kContinuationCells = kIndentCells + kDesignationCells;

// One printed line of the table: its texts, each at its cell.
using PrintedLine = std::vector<GridText>;

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

// 20 pt when every row fits the printable width on one line, otherwise the
// largest 0.5 pt step at which the widest one fits, but not below 10 pt.
TableType TableTypeForWidth(const std::vector<std::string>& rows, const PrinterService& printer);

// The table's type on the printed page: the size TableTypeForWidth gives,
// or the largest 0.5 pt step below it, not below 10 pt, at which the empty
// line above the table and every row also fit the printable height left
// under `above` (the company heading block), so that the whole log is on one
// sheet.
TableType TableTypeForPage(const std::vector<std::string>& rows, double above,
                           const PrinterService& printer);

// `row` on one printed line at `points`, whatever its width.
PrintedLine RowLine(const std::string& row, double points, const PrinterService& printer);

// The printed lines of `row` at `points`: an ASCII row as one text, any other
// column by column on the grid (RowOnGrid). A row too wide is broken after
// the last grapheme that fits (at least one a line) and continues under its
// second column. Nothing is cut or trimmed.
std::vector<PrintedLine> RowLines(const std::string& row, double points,
                                  const PrinterService& printer);

} // namespace pellucors
