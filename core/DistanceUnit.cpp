#include "DistanceUnit.h"

#include <array>

namespace pellucors {

namespace {
struct UnitRow {
    double kilometersPerUnit;
    const char* name;
    const char* abbreviation;
};

constexpr std::array<UnitRow, kUnitCount> kUnits{{
    {1.0, "Kilometers", "K"},
    {kStatuteMileKm, "Statute Miles", "SM"},
    {kNauticalMileKm, "Nautical Miles", "NM"},
}};

const UnitRow* Find(UnitIndex unit) {
    if (unit < 0 || unit >= kUnitCount)
        return nullptr;
    return &kUnits[static_cast<std::size_t>(unit)];
}
} // namespace

std::optional<double> KilometersPerUnit(UnitIndex unit) {
    const UnitRow* row = Find(unit);
    return row ? std::optional<double>(row->kilometersPerUnit) : std::nullopt;
}

std::optional<std::string> UnitName(UnitIndex unit) {
    const UnitRow* row = Find(unit);
    return row ? std::optional<std::string>(row->name) : std::nullopt;
}

std::optional<std::string> UnitAbbreviation(UnitIndex unit) {
    const UnitRow* row = Find(unit);
    return row ? std::optional<std::string>(row->abbreviation) : std::nullopt;
}

} // namespace pellucors
