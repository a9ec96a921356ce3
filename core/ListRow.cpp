#include "ListRow.h"

#include "Graphemes.h"
#include "NumberText.h"

#include <utf8proc.h>

#include <algorithm>

namespace pellucors {

std::string TitleRow() {
    return std::string("Line") + " " + "Length" + " " + "No GPS" + " " + "K/SM/NM" + " " +
           "Spacing" + " " + "Max Dist";
}

namespace {
// A column of `width` characters. A text longer than `countedUpTo` characters
// is counted as that long, so it is followed by width - countedUpTo spaces.
void AppendColumn(std::string& row, const std::string& text, std::size_t width,
                  std::size_t countedUpTo) {
    row += text;
    const std::size_t counted = std::min(DisplayWidth(text), countedUpTo);
    row.append(width - counted, ' ');
}

// The designation and unit columns count the whole text as a reader sees it
// (a letter with its accents once, a wide character twice); a text longer
// than the column gets one space so the next column stays apart.
void AppendFreeColumn(std::string& row, const std::string& text, std::size_t width) {
    row += text;
    const std::size_t cells = DisplayWidth(text);
    row.append(cells <= width ? width - cells : 1, ' ');
}
} // namespace

std::string FormatListRow(const GpsEntry& entry, std::string_view decimalSeparator) {
    std::string row;
    AppendFreeColumn(row, entry.lineNo, kDesignationCells);
    AppendColumn(row, SingleToText(entry.lineLength, decimalSeparator), 10, 8);
    AppendColumn(row, CountToText(entry.noGroundStations), 6, 3);
    AppendFreeColumn(row, entry.unitAbbrev, 7);
    AppendColumn(row, SingleToText(entry.spacing, decimalSeparator), 8, 6);
    row += SingleToText(entry.maxDistance, decimalSeparator);
    return row;
}

std::size_t DesignationEnd(std::string_view row) {
    // The length column starts after the fifth blank-free text from the end.
    // There it follows a designation longer than the column and its blank;
    // otherwise it is at the column's edge, right after a designation that
    // fills the column or after the blanks that pad a shorter one.
    constexpr int kColumnsAfter = 5;
    std::size_t length = row.size();
    for (int column = 0; column < kColumnsAfter; ++column) {
        while (length > 0 && row[length - 1] == ' ')
            --length;
        while (length > 0 && row[length - 1] != ' ')
            --length;
    }
    std::size_t end = length;
    if (DisplayWidth(row.substr(0, length)) <= kDesignationCells) {
        std::size_t cells = 0;
        for (const Grapheme& grapheme : Graphemes(row)) {
            if (cells >= kDesignationCells)
                break;
            cells += grapheme.cells;
            end = grapheme.end;
        }
    }
    while (end > 0 && row[end - 1] == ' ')
        --end;
    return end;
}

std::vector<GridText> RowOnGrid(std::string_view row, std::size_t designationDrawnCells) {
    std::vector<GridText> texts;
    const std::size_t designationEnd = DesignationEnd(row);
    const std::size_t designationCells = DisplayWidth(row.substr(0, designationEnd));
    if (designationEnd > 0)
        texts.push_back({std::string(row.substr(0, designationEnd)), 0});
    std::size_t pushed = 0; // cells the columns move right
    for (std::size_t start = row.find_first_not_of(' ', designationEnd);
         start != std::string_view::npos; start = row.find_first_not_of(' ', start)) {
        const std::size_t end = std::min(row.find(' ', start), row.size());
        const std::size_t cell = DisplayWidth(row.substr(0, start));
        if (start == row.find_first_not_of(' ', designationEnd) &&
            designationDrawnCells > designationCells && designationDrawnCells + 1 > cell)
            pushed = designationDrawnCells + 1 - cell;
        texts.push_back({std::string(row.substr(start, end - start)), cell + pushed});
        start = end;
    }
    return texts;
}

namespace {
// The marks, embeddings, overrides and isolates that set the direction of
// the text after them.
bool IsDirectionControl(char32_t code) {
    return code == 0x061C || code == 0x200E || code == 0x200F ||
           (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}
} // namespace

std::string LoggedDesignation(std::string_view typed) {
    std::string logged;
    for (std::size_t at = 0; at < typed.size();) {
        const CodePoint point = CodePointAt(typed, at); // a malformed byte is kept
        // Control characters (C0, DEL and C1), line and paragraph
        // separators, direction marks.
        const utf8proc_category_t category = utf8proc_category(point.code);
        const bool breaksTheRow =
            point.code >= 0 &&
            (category == UTF8PROC_CATEGORY_CC || category == UTF8PROC_CATEGORY_ZL ||
             category == UTF8PROC_CATEGORY_ZP ||
             IsDirectionControl(static_cast<char32_t>(point.code)));
        logged.append(breaksTheRow ? std::string_view(" ") : typed.substr(at, point.size));
        at += point.size;
    }
    return logged;
}

} // namespace pellucors
