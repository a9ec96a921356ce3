#include "ListRow.h"

#include "NumberText.h"

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
    AppendFreeColumn(row, entry.lineNo, 5);
    AppendColumn(row, SingleToText(entry.lineLength, decimalSeparator), 10, 8);
    AppendColumn(row, CountToText(entry.noGroundStations), 6, 3);
    AppendFreeColumn(row, entry.unitAbbrev, 7);
    AppendColumn(row, SingleToText(entry.spacing, decimalSeparator), 8, 6);
    row += SingleToText(entry.maxDistance, decimalSeparator);
    return row;
}

} // namespace pellucors
