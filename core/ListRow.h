#pragma once

#include "GpsEntry.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pellucors {

// Cells of the designation column: a shorter designation is padded to it.
constexpr std::size_t kDesignationCells = 5;

// The heading row of the GPS Data list and the printout (43 characters).
std::string TitleRow();

// One fixed-width list row: the six fields in record order, each column
// padded to its width. Texts are never cut; a text wider than its column is
// followed by a minimum gap so that two columns never run together.
std::string FormatListRow(const GpsEntry& entry, std::string_view decimalSeparator);

// Where the designation ends in a row of FormatListRow: the byte offset of the
// blanks after it. The five columns after it never hold a blank, so a
// designation with blanks of its own is found whole.
std::size_t DesignationEnd(std::string_view row);

// The designation as logged: what was typed (UTF-8), with each character
// that would break the fixed-width row on screen and on paper - control
// characters such as a pasted tab or line break, line and paragraph
// separators, and the marks that reorder text - shown as a blank.
std::string LoggedDesignation(std::string_view typed);

// A text of a row and the cell of the fixed-pitch grid where it starts.
struct GridText {
    std::string text;
    std::size_t cell;
};

// A row of FormatListRow as its texts on the grid: the designation whole,
// then each column's text at the cell the row puts it. A designation drawn
// `designationDrawnCells` wide, past its padding, moves the columns right to
// leave one blank after it, as after a long designation.
std::vector<GridText> RowOnGrid(std::string_view row, std::size_t designationDrawnCells = 0);

} // namespace pellucors
