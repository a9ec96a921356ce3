// The GPS log under arbitrary designations (any bytes, very long, control
// characters, broken UTF-8) and arbitrary sequences of entries, Remove Item
// and Clear List as the GPS Data window performs them: the heading stays row
// 0, the list never outgrows the printout, EntryCount stays within 0..30,
// each row lands where the log's placement rules say and is the row of its
// stored record.

#include "ExpectedMessages.h"
#include "FakeList.h"
#include "FakeMessageService.h"
#include "FuzzInput.h"
#include "core/ArithmeticError.h"
#include "core/GpsLog.h"
#include "core/ListRow.h"
#include "core/StationPlan.h"

#include <algorithm>

using namespace pellucors;
using pellucors::fuzz::Fail;
using pellucors::fuzz::FuzzInput;
using pellucors::fuzz::Require;

namespace {

enum class Action { Enter, Remove, Clear };

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
    const UnitIndex unit = unitChoice < 192 ? static_cast<UnitIndex>(unitChoice % kUnitCount)
                                            : input.Take<UnitIndex>();
    // Any plan, also one no calculator makes.
    StationPlan plan{.unit = unit};
    plan.unitName = input.Text(input.Byte() % 16);
    plan.length = input.Take<float>();
    plan.stationCount = input.Take<std::int16_t>();
    plan.spacingKm = input.Take<float>();
    plan.maxDistanceKm = input.Take<float>();

    const std::size_t shownBefore = messages.shown.size();
    try {
        log.AddGpsEntry(designation, plan);
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
        Require(title == test::kTooManyEntries.title, "an entry beyond 30 was not refused");
        model.entryCount = GpsLog::kMaxEntries - 1;
    } else {
        if (model.entryCount == GpsLog::kMaxEntries - 1)
            Require(title == test::kLastEntry.title, "the 30th entry came without its warning");
        else
            Require(messages.shown.size() == shownBefore || !UnitAbbreviation(unit),
                    "an ordinary entry showed a message");
        const std::size_t position = static_cast<std::size_t>(model.entryCount) + 1;
        model.rows.insert(model.rows.begin() +
                              static_cast<long>(std::min(position, model.rows.size())),
                          FormatListRow(entry, "."));
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
    GpsLog log(messages, list, ".");
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
            Fail("a row is misplaced or not the row of its record");
    }
    return 0;
}
