// The ground station calculator's entry, from what is typed into its three
// boxes and whether a unit is selected, through the core's checks, the plan
// and the log: either a refusal, results or the arithmetic failure, never a
// crash; a failed step leaves itself and the steps after it empty; what
// would be shown is a finite number; a valid entry needs at least one station
// and is logged as one row; only entries of absurd size may fail.

#include "FakeList.h"
#include "FakeMessageService.h"
#include "FuzzInput.h"
#include "core/ArithmeticError.h"
#include "core/GpsLog.h"
#include "core/InputChecks.h"
#include "core/ListRow.h"
#include "core/NumberText.h"
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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::string lineNo = input.Text(input.Byte() % 16);
    const std::string length = input.Text(input.Byte() % 32);
    const std::string allowedError = input.Text(input.Byte() % 32);
    const auto unit = static_cast<UnitIndex>(input.Byte() % (kUnitCount + 1)); // or none

    test::FakeMessageService messages;
    test::FakeList list;
    list.AppendRow(TitleRow());
    GpsLog log(messages, list, ".");
    const auto checked =
        CheckStationEntry(lineNo, length, allowedError, unit < kUnitCount, RegionalSeparators{});
    const auto* inputs = std::get_if<StationInputs>(&checked);
    if (!inputs)
        return 0;

    StationPlan plan;
    bool produced = false;
    try {
        PlanStations(inputs->length, unit, inputs->allowedErrorCm, messages, plan);
        log.AddGpsEntry(LoggedDesignation(lineNo), plan);
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
    for (const std::optional<float> shown : {plan.maxDistance, plan.spacing}) {
        if (shown && !std::isfinite(*shown))
            Fail("a result box would show a non-finite value", SingleToText(*shown, "."));
    }
    // Up to a million km or cm and fewer than 30 000 stations (the count is
    // 16-bit), an entry has results; the margin covers single precision.
    const bool surveySize =
        inputs->length <= 1.0e6 && inputs->allowedErrorCm <= 1.0e6 &&
        inputs->length * kNauticalMileKm / ((inputs->allowedErrorCm - 2.0) * 10.0) < 30000.0;
    Require(produced || !surveySize, "an entry of survey size failed to compute");
    if (produced) {
        Require(*plan.stationCount >= 1, "a valid entry needs no ground station");
        Require(messages.shown.empty(), "a valid entry showed a message");
        Require(list.rows.size() == 2 && list.rows[1].rfind(LoggedDesignation(lineNo), 0) == 0,
                "a valid entry was not logged as one row");
    }
    return 0;
}
