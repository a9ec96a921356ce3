#include "InputChecks.h"

#include "CheckedArithmetic.h"
#include "SurveyMath.h"

namespace pellucors {

namespace {
constexpr const char* kCheckData = "Pellucors - Please check your data!";
const InputProblem kNoDesignation{
    Input::LineNumber, {kCheckData, "Please enter a line designation.", MessageIcon::Information}};
const InputProblem kLengthNotNumeric{Input::Length,
                                     {kCheckData,
                                      "Please enter a numeric value greater then zero\r\n"
                                      "for the length of the flight line.",
                                      MessageIcon::Information}};
const InputProblem kLengthNotPositive{
    Input::Length,
    {"Pellucor - Please check your data!",
     "Please enter a number larger then zero.\r\n"
     "You can not have a flight line that is zero or less in length.",
     MessageIcon::Information}};
const InputProblem kErrorNotNumeric{Input::AllowedError,
                                    {kCheckData,
                                     "Please enter a numeric value greater then zero\r\n"
                                     "for the maximum error allowed.",
                                     MessageIcon::Information}};
const InputProblem kErrorNotAboveTwo{Input::AllowedError,
                                     {"Pellucors - Data error!",
                                      "Please enter a numeric value greater then 2\r\n"
                                      "GPS has a built in error of 2 Centimeters.",
                                      MessageIcon::Exclamation}};
const InputProblem kDistanceNotNumeric{
    Input::Distance, {kCheckData, "Please enter a numeric value.", MessageIcon::Information}};
const InputProblem kDistanceNegative{
    Input::Distance,
    {kCheckData, "Please enter a distance of zero or more.", MessageIcon::Information}};
} // namespace

std::variant<StationInputs, InputProblem> CheckStationEntry(std::string_view lineNo,
                                                            std::string_view length,
                                                            std::string_view allowedError,
                                                            bool unitSelected,
                                                            const RegionalSeparators& separators) {
    if (lineNo.empty())
        return kNoDesignation;
    const auto lengthValue = ReadRegionalNumber(length, separators);
    if (!lengthValue)
        return kLengthNotNumeric;
    if (!ExceedsAsSingle(*lengthValue, 0.0F))
        return kLengthNotPositive;
    const auto allowedValue = ReadRegionalNumber(allowedError, separators);
    if (!allowedValue)
        return kErrorNotNumeric;
    if (!ExceedsAsSingle(*allowedValue, 2.0F))
        return kErrorNotAboveTwo;
    if (!unitSelected)
        return InputProblem{Input::Units, kUnitReminder};
    return StationInputs{*lengthValue, *allowedValue};
}

std::variant<double, InputProblem> CheckErrorDistance(std::string_view distance, bool unitSelected,
                                                      const RegionalSeparators& separators) {
    const auto value = ReadRegionalNumber(distance, separators);
    if (!value)
        return kDistanceNotNumeric;
    // -0 is the base station itself.
    if (*value < 0)
        return kDistanceNegative;
    if (!unitSelected)
        return InputProblem{Input::Units, kUnitReminder};
    return *value;
}

} // namespace pellucors
