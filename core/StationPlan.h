#pragma once

#include "DistanceUnit.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pellucors {

class MessageService;

// The ground stations of one flight line, filled step by step: a step that
// fails leaves its values, and those of every step after it, empty. Ranges
// hold for what the calculator accepts (a length above 0, an allowed error
// above 2 cm, a unit 0..2). "Shown": in the user's unit, rounded to 2
// decimals, as shown and logged.
struct StationPlan {
    UnitIndex unit = 0;                         // the selected unit
    std::optional<float> length{};              // as typed, in the user's unit, > 0
    std::optional<float> lengthKm{};            // km, > 0
    std::string unitName{};                     // "Kilometers", "Statute Miles", "Nautical Miles"
    std::optional<float> totalErrorCm{};        // cm at lengthKm, rounded to 2 decimals, >= 2
    std::optional<float> maxDistanceKm{};       // km from a base station, > 0
    std::optional<float> maxDistance{};         // the same, shown
    std::optional<std::int16_t> stationCount{}; // 1 to 32767
    std::optional<float> spacingKm{};           // km between the stations, 0 to lengthKm
    std::optional<float> spacing{};             // the same, shown
};

// The calculator's steps for a line `length` long in `unit` with
// `allowedErrorCm` allowed: ConvertToKilometers, TotalGpsError,
// MaxBaseDistance, GroundStationCount and StationSpacing in that order, then
// the distances shown. Throws the ArithmeticError of the step that fails,
// `plan` keeping what the steps before it produced.
void PlanStations(double length, UnitIndex unit, double allowedErrorCm, MessageService& messages,
                  StationPlan& plan);

// The GPS error at one distance, filled step by step like a StationPlan.
struct GpsErrorEstimate {
    std::optional<float> distanceKm; // km, the sign of the distance
    std::string unitName;            // "Kilometers", "Statute Miles", "Nautical Miles"
    std::optional<double> errorCm;   // cm, rounded to 2 decimals as shown, >= 2 from 0 km
};

// The GPS error calculator's steps, ConvertToKilometers and TotalGpsError,
// failing as PlanStations does.
void EstimateGpsError(double distance, UnitIndex unit, MessageService& messages,
                      GpsErrorEstimate& estimate);

} // namespace pellucors
