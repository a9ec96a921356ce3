// The ground station calculator's plan, from the two values it reads and the
// unit index it keeps: either results or the arithmetic failure, never a
// crash; a failed step leaves itself and the steps after it empty; what would
// be shown is a finite number; a valid entry needs at least one station and
// is logged as one row; only entries of absurd size may fail.

#include "FakeList.h"
#include "FakeMessageService.h"
#include "FuzzInput.h"
#include "core/ArithmeticError.h"
#include "core/CheckedArithmetic.h"
#include "core/GpsLog.h"
#include "core/ListRow.h"
#include "core/NumberText.h"
#include "core/NumericInput.h"
#include "core/StationPlan.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <optional>

using namespace pellucors;
using pellucors::fuzz::Fail;
using pellucors::fuzz::FuzzInput;
using pellucors::fuzz::Require;

namespace {

void RequireFiniteText(const std::string& text) {
    const auto value = ReadRegionalNumber(text, RegionalSeparators{});
    if (!value || !std::isfinite(*value))
        Fail("a result box would show a non-finite value", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    // The window reads doubles from its boxes; it never reads NaN or infinity.
    const auto length = input.Take<double>();
    const auto allowedError = input.Take<double>();
    const auto unit = input.Take<UnitIndex>();
    if (!std::isfinite(length) || !std::isfinite(allowedError))
        return 0;
    // What the window's checks 3, 5 and its unit buttons let through.
    const bool valid = ExceedsAsSingle(length, 0.0F) && ExceedsAsSingle(allowedError, 2.0F) &&
                       unit >= 0 && unit <= 2;
    // Up to a million km or cm and fewer than 30 000 stations (the count is
    // 16-bit), an entry has results; the margin covers single precision.
    const bool surveySize = valid && length <= 1.0e6 && allowedError <= 1.0e6 &&
                            length * kNauticalMileKm / ((allowedError - 2.0) * 10.0) < 30000.0;

    test::FakeMessageService messages;
    test::FakeList list;
    list.AppendRow(TitleRow());
    GpsLog log(
        messages, [&list]() -> ListService& { return list; }, ".");

    StationPlan plan;
    bool produced = false;
    try {
        PlanStations(length, unit, allowedError, messages, plan);
        log.AddGpsEntry("L1", *plan.length, plan.unitName, *plan.stationCount, *plan.spacingKm,
                        *plan.maxDistanceKm, unit);
        produced = true;
    } catch (const ArithmeticError&) {
        Require(list.rows.size() == 1 && log.EntryCount() == 0,
                "an abandoned calculation was logged");
    }

    const bool steps[] = {plan.length.has_value(),       plan.lengthKm.has_value(),
                          plan.totalErrorCm.has_value(), plan.maxDistanceKm.has_value(),
                          plan.maxDistance.has_value(),  plan.stationCount.has_value(),
                          plan.spacingKm.has_value(),    plan.spacing.has_value()};
    Require(std::is_sorted(std::begin(steps), std::end(steps), std::greater<>()),
            "a step after a failed one has a value");
    for (const std::optional<float>& shown : {plan.maxDistance, plan.spacing}) {
        if (shown)
            RequireFiniteText(SingleToText(*shown, "."));
    }
    Require(produced || !surveySize, "an entry of survey size failed to compute");
    if (produced && valid) {
        Require(*plan.stationCount >= 1, "a valid entry needs no ground station");
        Require(messages.shown.empty(), "a valid entry showed a message");
        Require(list.rows.size() == 2 && list.rows[1].rfind("L1   ", 0) == 0,
                "a valid entry was not logged as one row");
    }
    return 0;
}
