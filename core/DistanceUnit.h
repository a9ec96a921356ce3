#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pellucors {

// Unit index as the calculators keep it: 0 kilometres, 1 statute miles,
// 2 nautical miles. Any other value means no unit was chosen.
using UnitIndex = std::int16_t;

enum class DistanceUnit : UnitIndex { Kilometers = 0, StatuteMiles = 1, NauticalMiles = 2 };

// The units there are: indexes 0 to kUnitCount - 1. kUnitCount itself, like
// any index outside them, means that no unit was chosen.
constexpr UnitIndex kUnitCount = 3;

constexpr double kStatuteMileKm = 1.609344; // km per statute mile
constexpr double kNauticalMileKm = 1.852;   // km per nautical mile

// Kilometres per unit; empty for an index outside 0..2.
std::optional<double> KilometersPerUnit(UnitIndex unit);

// "Kilometers", "Statute Miles", "Nautical Miles"; empty outside 0..2.
std::optional<std::string> UnitName(UnitIndex unit);

// "K", "SM", "NM" as the GPS log writes them; empty outside 0..2.
std::optional<std::string> UnitAbbreviation(UnitIndex unit);

} // namespace pellucors
