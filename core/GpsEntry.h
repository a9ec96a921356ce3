#pragma once

#include <cstdint>
#include <string>

namespace pellucors {

// One logged ground-station calculation, distances in the unit of
// `unitAbbrev` (kilometres when no unit was chosen), rounded to 2 decimals.
struct GpsEntry {
    std::string lineNo;      // the designation exactly as typed
    float lineLength = 0.0F; // flight-line length
    std::string unitAbbrev;  // "K", "SM", "NM" (or the unit name passed in)
    std::int16_t noGroundStations = 0;
    float spacing = 0.0F;     // distance between the ground stations
    float maxDistance = 0.0F; // max distance from a base station
};

} // namespace pellucors
