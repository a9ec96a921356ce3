// The GPS log under arbitrary designations (any bytes, very long, control
// characters, broken UTF-8) and arbitrary sequences of entries, Remove Item
// and Clear List as the GPS Data window performs them: the heading stays row
// 0, the list never outgrows the printout, EntryCount stays within 0..30,
// each row lands where the log's placement rules say and is laid out by the
// row rules.

#include "FakeList.h"
#include "FakeMessageService.h"
#include "FuzzInput.h"
#include "core/ArithmeticError.h"
#include "core/GpsLog.h"
#include "core/Graphemes.h"
#include "core/ListRow.h"
#include "core/NumberText.h"
#include "core/Utf8.h"

#include <algorithm>

using namespace pellucors;
using pellucors::fuzz::Fail;
using pellucors::fuzz::FuzzInput;
using pellucors::fuzz::Require;

namespace {

enum class Action { Enter, Remove, Clear };

// Spaces after a number column: its width less its length, counted up to
// `countedUpTo`.
std::string NumberGap(const std::string& text, std::size_t width, std::size_t countedUpTo) {
    return std::string(width - std::min(CharacterCount(text), countedUpTo), ' ');
}

// Spaces after the designation or unit column: fill up the column, or one
// space after a text wider than it.
std::string TextGap(const std::string& text, std::size_t width) {
    const std::size_t length = DisplayWidth(text);
    return std::string(length <= width ? width - length : 1, ' ');
}

std::string ExpectedRow(const GpsEntry& entry) {
    const std::string length = SingleToText(entry.lineLength, ".");
    const std::string count = CountToText(entry.noGroundStations);
    const std::string spacing = SingleToText(entry.spacing, ".");
    return entry.lineNo + TextGap(entry.lineNo, 5) + length + NumberGap(length, 10, 8) + count +
           NumberGap(count, 6, 3) + entry.unitAbbrev + TextGap(entry.unitAbbrev, 7) + spacing +
           NumberGap(spacing, 8, 6) + SingleToText(entry.maxDistance, ".");
}

// The log's state as the placement rules predict it.
struct Model {
    std::vector<std::string> rows{TitleRow()};
    int entryCount = 0;
    bool cleared = false;
};

void Enter(FuzzInput& input, GpsLog& log, test::FakeList& list, test::FakeMessageService& messages,
           Model& model) {
    std::size_t designationLength = input.Byte();
    if (designationLength == 255)
        designationLength = input.Take<std::uint16_t>() % 8192;
    const std::string designation = input.Text(designationLength);
    const std::uint8_t unitChoice = input.Byte();
    const UnitIndex unit =
        unitChoice < 192 ? static_cast<UnitIndex>(unitChoice % 3) : input.Take<UnitIndex>();
    const std::string unitName = input.Text(input.Byte() % 16);
    const auto typedLength = input.Take<float>();
    const auto stations = input.Take<std::int16_t>();
    const auto spacingKm = input.Take<float>();
    const auto maxDistanceKm = input.Take<float>();

    const std::size_t shownBefore = messages.shown.size();
    try {
        log.AddGpsEntry(designation, typedLength, unitName, stations, spacingKm, maxDistanceKm,
                        unit);
    } catch (const ArithmeticError&) {
        // Only values no calculator hands over (infinite, NaN) get here; the
        // list must be untouched.
        Require(list.rows == model.rows, "a failed entry changed the list");
        model.entryCount = log.EntryCount();
        model.cleared = log.ListCleared();
        return;
    }

    if (model.cleared) {
        model.cleared = false;
        model.entryCount = 0;
    }
    const GpsEntry& entry = log.Entry(model.entryCount);
    Require(entry.lineNo == designation, "the designation was not logged as typed");
    const std::string& title = messages.shown.empty() ? std::string() : messages.Last().title;
    if (model.entryCount >= GpsLog::kMaxEntries) {
        Require(title == "Pellucors - Too many entries!", "an entry beyond 30 was not refused");
        model.entryCount = GpsLog::kMaxEntries - 1;
    } else {
        if (model.entryCount == GpsLog::kMaxEntries - 1)
            Require(title == "Pellucors - Warning!", "the 30th entry came without its warning");
        else
            Require(messages.shown.size() == shownBefore || unit < 0 || unit > 2,
                    "an ordinary entry showed a message");
        const std::size_t position = static_cast<std::size_t>(model.entryCount) + 1;
        model.rows.insert(model.rows.begin() +
                              static_cast<long>(std::min(position, model.rows.size())),
                          ExpectedRow(entry));
    }
    ++model.entryCount;
}

void Remove(FuzzInput& input, test::FakeList& list, Model& model) {
    // The data window refuses the heading and "nothing selected".
    const int selected = static_cast<int>(input.Byte() % (model.rows.size() + 1)) - 1;
    if (selected <= 0)
        return;
    list.RemoveRow(selected);
    model.rows.erase(model.rows.begin() + selected);
}

void Clear(GpsLog& log, test::FakeList& list, Model& model) {
    log.MarkListCleared();
    list.Clear();
    list.AppendRow(TitleRow());
    model.cleared = true;
    model.rows = {TitleRow()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    test::FakeMessageService messages;
    test::FakeList list;
    list.AppendRow(TitleRow());
    GpsLog log(
        messages, [&list]() -> ListService& { return list; }, ".");
    Model model;

    while (!input.AtEnd()) {
        switch (static_cast<Action>(input.Byte() % 3)) {
        case Action::Enter:
            Enter(input, log, list, messages, model);
            break;
        case Action::Remove:
            Remove(input, list, model);
            break;
        case Action::Clear:
            Clear(log, list, model);
            break;
        }
        Require(!list.rows.empty() && list.rows.front() == TitleRow(), "row 0 is not the heading");
        Require(list.rows.size() <= 31, "the list outgrew the printout");
        Require(log.EntryCount() >= 0 && log.EntryCount() <= GpsLog::kMaxEntries,
                "EntryCount left 0..30");
        Require(log.EntryCount() == model.entryCount && log.ListCleared() == model.cleared,
                "the count or the cleared flag went astray");
        if (list.rows != model.rows)
            Fail("a row is misplaced or not laid out by the row rules");
    }
    return 0;
}
