#pragma once

#include "DistanceUnit.h"

#include <cstdint>
#include <string>

namespace pellucors {

class MessageService;

// The GPS error model: 2 cm fixed plus 1 ppm of the distance (0.1 cm per km).
// Distances are single precision, work is done in double precision and
// narrowed back. Every function here may throw ArithmeticError.

// Converts `distance` (in `unit`) to kilometres in place and names the unit.
// An index outside 0..2 shows the unit reminder and changes nothing. On
// overflow the overflowed value has already been stored before the throw.
void ConvertToKilometers(float& distance, const UnitIndex& unit, std::string& unitName,
                         MessageService& messages);

// The inverse: a distance in km expressed in `unit` (unchanged outside 0..2),
// so that what the user sees is in the unit the user picked.
float ConvertFromKilometers(float distanceKm, UnitIndex unit);

// Total GPS error in centimetres at `distanceKm` from the base station.
double TotalGpsError(float distanceKm);

// Distance in km at which the error reaches `allowedErrorCm`. The unit index
// only decides whether a unit was chosen: outside 0..2 the reminder is shown
// and 0 returned.
float MaxBaseDistance(float allowedErrorCm, UnitIndex unit, MessageService& messages);

// Ground stations a line of `lineKm` needs when each covers `maxDistanceKm`.
// A whole ratio with an allowed error above the total error needs just one.
std::int16_t GroundStationCount(float lineKm, float maxDistanceKm, float allowedErrorCm,
                                float totalErrorCm);

// Distance between the stations, in km.
float StationSpacing(float lineKm, std::int16_t stationCount);

// The modal "pick a unit" message.
void ShowUnitReminder(MessageService& messages);

} // namespace pellucors
