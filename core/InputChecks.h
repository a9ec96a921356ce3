#pragma once

#include "NumericInput.h"
#include "platform/MessageService.h"

#include <string_view>
#include <variant>

namespace pellucors {

// What the calculators' input checks name: a box, or the unit buttons.
enum class Input { LineNumber, Length, AllowedError, Distance, Units };

// The first check that failed: the input to put right and the message that
// tells the user how (for the unit buttons, the unit reminder).
struct InputProblem {
    Input input;
    OkMessage message;
};

// What the ground station calculator computes with once its checks hold.
struct StationInputs {
    double length;         // in the selected unit; above 0 as a single
    double allowedErrorCm; // above 2 as a single
};

// The ground station calculator's checks in their order: a designation (not
// the empty text), a length read in the user's format and above 0, an allowed
// error likewise above 2 cm (both as singles), a unit selected.
std::variant<StationInputs, InputProblem>
CheckStationEntry(std::string_view lineNo, std::string_view length, std::string_view allowedError,
                  bool unitSelected, const RegionalSeparators& separators);

// The GPS error calculator's: a distance read as a number, not below 0, and a
// unit selected. Gives the distance in the selected unit.
std::variant<double, InputProblem> CheckErrorDistance(std::string_view distance, bool unitSelected,
                                                      const RegionalSeparators& separators);

} // namespace pellucors
