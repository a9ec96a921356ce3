#include "ListRow.h"

#include "NumberText.h"

#include <algorithm>
#include <utility>

namespace pellucors {

std::string TitleRow() {
    return std::string("Line") + " " + "Length" + " " + "No GPS" + " " + "K/SM/NM" + " " +
           "Spacing" + " " + "Max Dist";
}

namespace {
constexpr std::size_t kDesignationWidth = 5;

// The next code point of UTF-8 `text` from `at`, which moves past it; a
// malformed byte reads as itself.
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = extra == 0 ? lead : lead & (0x3FU >> extra);
    for (int i = 0; i < extra && at < text.size(); ++i)
        code = (code << 6) | (static_cast<unsigned char>(text[at++]) & 0x3FU);
    return code;
}

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

bool HasRightToLeftText(std::string_view text) {
    // The blocks whose characters are right-to-left by default, and the
    // marks, embeddings, overrides and isolates that make text right-to-left.
    static constexpr std::pair<char32_t, char32_t> kRightToLeft[] = {
        {0x0590, 0x08FF},   {0xFB1D, 0xFDFF},   {0xFE70, 0xFEFF},
        {0x10800, 0x10FFF}, {0x1E800, 0x1EFFF}, {0x200F, 0x200F},
        {0x202B, 0x202B},   {0x202E, 0x202E},   {0x2067, 0x2067},
    };
    for (std::size_t at = 0; at < text.size();) {
        const char32_t code = NextCodePoint(text, at);
        for (const auto& [first, last] : kRightToLeft) {
            if (code >= first && code <= last)
                return true;
        }
    }
    return false;
}

} // namespace pellucors
