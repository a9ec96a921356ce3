#include "SurveyMath.h"

#include "ArithmeticError.h"
#include "CheckedArithmetic.h"
#include "NumberText.h"

#include <cmath>
#include <limits>

namespace pellucors {

void ConvertToKilometers(float& distance, const UnitIndex& unit, std::string& unitName,
                         MessageService& messages) {
    const auto factor = KilometersPerUnit(unit);
    if (!factor) {
        ShowUnitReminder(messages);
        return;
    }
    if (unit != static_cast<UnitIndex>(DistanceUnit::Kilometers)) {
        const double converted = static_cast<double>(distance) * *factor;
        try {
            distance = NarrowToSingle(converted);
        } catch (const ArithmeticError&) {
            // The caller's variable holds the overflowed (or NaN) product; it
            // abandons it.
            distance = std::isnan(converted)
                           ? std::numeric_limits<float>::quiet_NaN()
                           : static_cast<float>(
                                 std::copysign(std::numeric_limits<double>::infinity(), converted));
            throw;
        }
    }
    unitName = *UnitName(unit);
}

float ConvertFromKilometers(float distanceKm, UnitIndex unit) {
    const auto factor = KilometersPerUnit(unit);
    if (!factor)
        return distanceKm;
    return NarrowToSingle(CheckedQuotient(distanceKm, *factor));
}

float ShownDistance(float distanceKm, UnitIndex unit) {
    return NarrowToSingle(RoundToCents(ConvertFromKilometers(distanceKm, unit)));
}

double TotalGpsError(float distanceKm) {
    // This exact sequence, not 2 + d / 10, is the model: for astronomically
    // long distances the cancellation below eats the fixed 2 cm.
    const double d = distanceKm;
    double a = d * 100000.0;
    a = a + 2.0;
    a = a * 10.0;
    const double b = d * 1000000.0;
    a = a - b;
    a = a + d;
    // Step 7 with the arithmetic check: an infinite distance makes step 5
    // infinity minus infinity, an invalid operation.
    return CheckedQuotient(a, 10.0);
}

float MaxBaseDistance(float allowedErrorCm, UnitIndex unit, MessageService& messages) {
    if (!KilometersPerUnit(unit)) {
        ShowUnitReminder(messages);
        return 0.0F;
    }
    // The allowed error is in centimetres whatever the distance unit, so the
    // distance is the same number of kilometres for every unit.
    const double x = static_cast<double>(allowedErrorCm) - 2.0;
    return NarrowToSingle(x * 100000.0 / 10000.0);
}

std::int16_t GroundStationCount(float lineKm, float maxDistanceKm, float allowedErrorCm,
                                float totalErrorCm) {
    const float ratio = NarrowToSingle(CheckedQuotient(lineKm, maxDistanceKm));
    const float whole = NarrowToSingle(std::floor(static_cast<double>(ratio)));
    if (whole < ratio)
        return NarrowToCount(std::floor(static_cast<double>(ratio)) + 1.0);
    if (allowedErrorCm > totalErrorCm)
        return 1;
    return NarrowToCount(ratio);
}

float StationSpacing(float lineKm, std::int16_t stationCount) {
    return NarrowToSingle(CheckedQuotient(lineKm, static_cast<float>(stationCount)));
}

const OkMessage kUnitReminder{"Pellucor - You forgot something!",
                              "Please select whether the distance\r\n"
                              "is to be calculated in...\r\n"
                              "1. Kilometers\r\n"
                              "2. Nautical Miles or\r\n"
                              "3. Statute Miles",
                              MessageIcon::Information};

void ShowUnitReminder(MessageService& messages) {
    ShowOk(messages, kUnitReminder);
}

} // namespace pellucors
