#include "StationPlan.h"

#include "CheckedArithmetic.h"
#include "NumberText.h"
#include "SurveyMath.h"

namespace pellucors {

void PlanStations(double length, UnitIndex unit, double allowedErrorCm, MessageService& messages,
                  StationPlan& plan) {
    plan = {};
    plan.unit = unit;
    plan.length = NarrowToSingle(length);
    const float allowed = NarrowToSingle(allowedErrorCm);
    float lengthKm = *plan.length;
    ConvertToKilometers(lengthKm, unit, plan.unitName, messages);
    plan.lengthKm = lengthKm;
    plan.totalErrorCm = NarrowToSingle(RoundToCents(TotalGpsError(lengthKm)));
    plan.maxDistanceKm = MaxBaseDistance(allowed, unit, messages);
    plan.maxDistance = ShownDistance(*plan.maxDistanceKm, unit);
    plan.stationCount =
        GroundStationCount(lengthKm, *plan.maxDistanceKm, allowed, *plan.totalErrorCm);
    plan.spacingKm = StationSpacing(lengthKm, *plan.stationCount);
    plan.spacing = ShownDistance(*plan.spacingKm, unit);
}

void EstimateGpsError(double distance, UnitIndex unit, MessageService& messages,
                      GpsErrorEstimate& estimate) {
    estimate = {};
    float distanceKm = NarrowToSingle(distance);
    ConvertToKilometers(distanceKm, unit, estimate.unitName, messages);
    estimate.distanceKm = distanceKm;
    estimate.errorCm = RoundToCents(TotalGpsError(distanceKm));
}

} // namespace pellucors
