// The regional check-and-read of typed numbers and the text form of numbers,
// under the separator pairs users have. An accepted text must read to a
// finite value, and a number shown as text must read back as the number to
// the digits the text keeps (7 significant for a single, 15 for a double).

#include "FuzzInput.h"
#include "core/NumberText.h"
#include "core/NumericInput.h"

#include <array>
#include <cmath>

using namespace pellucors;
using pellucors::fuzz::Fail;
using pellucors::fuzz::FuzzInput;
using pellucors::fuzz::Require;

namespace {

const std::array<RegionalSeparators, 5> kRegions{{
    {".", ","},
    {",", "."},
    {",", "\u00A0"}, // no-break space, as in French
    {",", "\u202F"}, // narrow no-break space
    {".", "'"},      // as in Swiss German
}};

std::string Describe(const std::string& text, const RegionalSeparators& region) {
    return "text [" + text + "] decimal [" + region.decimal + "] group [" + region.group + "]";
}

// The general form: no blank in front, no group separator, no trailing zero
// in the digits, an exponent with its sign and at least two digits.
void RequireGeneralForm(const std::string& text, const RegionalSeparators& region) {
    const std::string detail = Describe(text, region); // short: a number's text
    Require(!text.empty() && text.front() != ' ', "number text starts with a blank", detail);
    Require(text.find(region.group) == std::string::npos, "number text holds a group separator",
            detail);
    const std::size_t exponent = text.find('E');
    const std::string digits = text.substr(0, exponent);
    if (digits.find(region.decimal) != std::string::npos) {
        Require(digits.back() != '0', "number text has a trailing zero", detail);
        Require(digits.size() < region.decimal.size() ||
                    digits.compare(digits.size() - region.decimal.size(), region.decimal.size(),
                                   region.decimal) != 0,
                "number text ends in its decimal separator", detail);
    }
    if (exponent != std::string::npos) {
        const std::string tail = text.substr(exponent + 1);
        Require(tail.size() >= 3 && (tail[0] == '+' || tail[0] == '-') &&
                    tail.find_first_not_of("0123456789", 1) == std::string::npos,
                "exponent without sign or two digits", detail);
    }
}

// `value` written as `text` reads back within `relative` of itself.
void RequireReadsBack(const std::string& text, double value, double relative,
                      const RegionalSeparators& region) {
    const auto read = ReadRegionalNumber(text, region);
    if (!read)
        Fail("a number's own text is not accepted", Describe(text, region));
    if (!(std::fabs(*read - value) <= relative * std::fabs(value)))
        Fail("a number's text reads back as another number", Describe(text, region));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const RegionalSeparators& region = kRegions[input.Byte() % kRegions.size()];
    const auto single = input.Take<float>();
    const auto number = input.Take<double>();
    const std::string typed = input.Rest();

    const auto value = ReadRegionalNumber(typed, region);
    if (IsNumericText(typed, region) != value.has_value())
        Fail("the check and the read disagree", Describe(typed, region));
    if (value && !std::isfinite(*value))
        Fail("an accepted text reads to a non-finite value", Describe(typed, region));

    // Rounding to n significant digits moves a value by at most 5 units in
    // the (n+1)th digit; the rest covers reading the decimal text back.
    if (std::isfinite(single)) {
        const std::string text = SingleToText(single, region.decimal);
        RequireGeneralForm(text, region);
        RequireReadsBack(text, single, 5.0e-7 + 1.0e-15, region);
    }
    // Doubles only in the normal range: the program's doubles (total errors)
    // stay far inside it, and at its ends 15 digits may round past it.
    if (std::isfinite(number) &&
        (number == 0.0 || (std::fabs(number) >= 1.0e-300 && std::fabs(number) <= 1.0e300))) {
        const std::string text = DoubleToText(number, region.decimal);
        RequireGeneralForm(text, region);
        RequireReadsBack(text, number, 5.0e-15 + 4.0e-16, region);
    }
    return 0;
}
