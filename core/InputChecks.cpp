#include "InputChecks.h"

#include "CheckedArithmetic.h"
#include "SurveyMath.h"

namespace pellucors {

namespace {
constexpr const char* kCheckData = "Pellucors - Please check your data!";

InputProblem Refused(Input input, const char* text, const char* title = kCheckData,
                     MessageIcon icon = MessageIcon::Information) {
    return {input, {title, text, icon}};
}
} // namespace

std::variant<StationInputs, InputProblem>
CheckStationEntry(std::string_view lineNo, std::string_view length, std::string_view allowedError,
                  bool unitSelected, const RegionalSeparators& separators) {
    if (lineNo.empty())
        return Refused(Input::LineNumber, "Please enter a line designation.");
    const auto lengthValue = ReadRegionalNumber(length, separators);
    if (!lengthValue)
        return Refused(Input::Length, "Please enter a numeric value greater then zero\r\n"
                                      "for the length of the flight line.");
    if (!ExceedsAsSingle(*lengthValue, 0.0F))
        return Refused(Input::Length,
                       "Please enter a number larger then zero.\r\n"
                       "You can not have a flight line that is zero or less in length.",
                       "Pellucor - Please check your data!");
    const auto allowedValue = ReadRegionalNumber(allowedError, separators);
    if (!allowedValue)
        return Refused(Input::AllowedError, "Please enter a numeric value greater then zero\r\n"
                                            "for the maximum error allowed.");
    if (!ExceedsAsSingle(*allowedValue, 2.0F))
        return Refused(Input::AllowedError,
                       "Please enter a numeric value greater then 2\r\n"
                       "GPS has a built in error of 2 Centimeters.",
                       "Pellucors - Data error!", MessageIcon::Exclamation);
    if (!unitSelected)
        return InputProblem{Input::Units, kUnitReminder};
    return StationInputs{*lengthValue, *allowedValue};
}

std::variant<double, InputProblem> CheckErrorDistance(std::string_view distance, bool unitSelected,
                                                      const RegionalSeparators& separators) {
    const auto value = ReadRegionalNumber(distance, separators);
    if (!value)
        return Refused(Input::Distance, "Please enter a numeric value.");
    // -0 is the base station itself.
    if (*value < 0)
        return Refused(Input::Distance, "Please enter a distance of zero or more.");
    if (!unitSelected)
        return InputProblem{Input::Units, kUnitReminder};
    return *value;
}

} // namespace pellucors
