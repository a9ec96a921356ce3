#include "ListRow.h"

#include "NumberText.h"
#include "Utf8.h"

#include <algorithm>

namespace pellucors {

std::string TitleRow() {
    return std::string("Line") + " " + "Length" + " " + "No GPS" + " " + "K/SM/NM" + " " +
           "Spacing" + " " + "Max Dist";
}

namespace {
constexpr std::size_t kDesignationWidth = 5;

// A column of `width` characters. A text longer than `countedUpTo` characters
// is counted as that long, so it is followed by width - countedUpTo spaces.
void AppendColumn(std::string& row, const std::string& text, std::size_t width,
                  std::size_t countedUpTo) {
    row += text;
    const std::size_t counted = std::min(CharacterCount(text), countedUpTo);
    row.append(width - counted, ' ');
}

// The designation and unit columns count the whole text; a text longer than
// the column gets one space so the next column stays apart.
void AppendFreeColumn(std::string& row, const std::string& text, std::size_t width) {
    row += text;
    const std::size_t length = CharacterCount(text);
    row.append(length <= width ? width - length : 1, ' ');
}
} // namespace

std::string FormatListRow(const GpsEntry& entry, std::string_view decimalSeparator) {
    std::string row;
    AppendFreeColumn(row, entry.lineNo, kDesignationWidth);
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
    if (CharacterCount(row.substr(0, length)) <= kDesignationWidth) {
        end = 0;
        for (std::size_t column = 0; column < kDesignationWidth && end < row.size(); ++column)
            NextCodePoint(row, end);
    }
    while (end > 0 && row[end - 1] == ' ')
        --end;
    return end;
}

namespace {
// Characters that set the direction of text: the marks, embeddings,
// overrides and isolates (controls), then the blocks whose letters are
// right-to-left by default.
struct Direction {
    char32_t first;
    char32_t last;
    bool control;
    bool rightToLeft;
};
constexpr Direction kDirections[] = {
    {0x061C, 0x061C, true, true},  {0x200E, 0x200E, true, false},   {0x200F, 0x200F, true, true},
    {0x202A, 0x202A, true, false}, {0x202B, 0x202B, true, true},    {0x202C, 0x202D, true, false},
    {0x202E, 0x202E, true, true},  {0x2066, 0x2066, true, false},   {0x2067, 0x2067, true, true},
    {0x2068, 0x2069, true, false}, {0x0590, 0x08FF, false, true},   {0xFB1D, 0xFDFF, false, true},
    {0xFE70, 0xFEFF, false, true}, {0x10800, 0x10FFF, false, true}, {0x1E800, 0x1EFFF, false, true},
};

Direction DirectionOf(char32_t code) {
    for (const Direction& direction : kDirections) {
        if (code >= direction.first && code <= direction.last)
            return direction;
    }
    return {code, code, false, false};
}
} // namespace

std::string LoggedDesignation(std::string_view typed) {
    std::string logged;
    for (std::size_t at = 0; at < typed.size();) {
        const std::size_t start = at;
        const char32_t code = NextCodePoint(typed, at);
        // Control characters (C0, DEL and C1; a lone byte of malformed text
        // is no character), line and paragraph separators, direction marks.
        const bool breaksTheRow = code < 0x20 || code == 0x7F ||
                                  (code >= 0x80 && code <= 0x9F && at - start > 1) ||
                                  code == 0x2028 || code == 0x2029 || DirectionOf(code).control;
        logged.append(breaksTheRow ? std::string_view(" ") : typed.substr(start, at - start));
    }
    return logged;
}

bool HasRightToLeftText(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        if (DirectionOf(NextCodePoint(text, at)).rightToLeft)
            return true;
    }
    return false;
}

} // namespace pellucors
