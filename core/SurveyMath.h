#pragma once

#include "DistanceUnit.h"
#include "platform/MessageService.h"

#include <cstdint>
#include <string>

namespace pellucors {

// The GPS error model: 2 cm fixed plus 1 ppm of the distance (0.1 cm per km).
// Distances are single precision, work is done in double precision and
// narrowed back. Every function here may throw ArithmeticError, and then
// gives no result: the ranges below are those of the results it gives.

// Converts `distance` (in `unit`) to kilometres in place and names the unit
// ("Kilometers", "Statute Miles", "Nautical Miles"). The distance keeps its
// sign; its size grows by up to 1.852 and stays within the single range. An
// index outside 0..2 shows the unit reminder and changes nothing. On overflow
// the overflowed value has already been stored before the throw.
void ConvertToKilometers(float& distance, const UnitIndex& unit, std::string& unitName,
                         MessageService& messages);

// The inverse: `distanceKm` in `unit`, the same sign and at most as large
// (unchanged outside 0..2), so that what the user sees is in the unit the
// user picked.
float ConvertFromKilometers(float distanceKm, UnitIndex unit);

// A distance in km as the user sees it and the log keeps it: in `unit`,
// rounded to 2 decimals (halves to even), as a single.
float ShownDistance(float distanceKm, UnitIndex unit);

// Total GPS error in centimetres at `distanceKm` (>= 0) from the base
// station, in double precision: 2 + distanceKm / 10, so 2 or more, but for
// astronomically long distances, where the model's own steps cancel the 2.
double TotalGpsError(float distanceKm);

// Distance in km at which the error reaches `allowedErrorCm`: 10 km for each
// centimetre above 2, so negative below 2 cm and 0 at 2 cm. The unit index
// only decides whether a unit was chosen: outside 0..2 the reminder is shown
// and 0 returned.
float MaxBaseDistance(float allowedErrorCm, UnitIndex unit, MessageService& messages);

// Ground stations a line of `lineKm` needs when each covers `maxDistanceKm`:
// their ratio rounded up, 0 to 32767 where both are above 0. A whole ratio
// with an allowed error above the total error needs just one.
std::int16_t GroundStationCount(float lineKm, float maxDistanceKm, float allowedErrorCm,
                                float totalErrorCm);

// Distance between the stations in km: lineKm / stationCount, at most lineKm
// for a count of 1 or more.
float StationSpacing(float lineKm, std::int16_t stationCount);

// The modal "pick a unit" message.
extern const OkMessage kUnitReminder;
void ShowUnitReminder(MessageService& messages);

} // namespace pellucors
