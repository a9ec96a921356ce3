#include "NumericInput.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <string>
#include <vector>

namespace pellucors {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A cursor over the trimmed text.
class Scanner {
public:
    explicit Scanner(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_pos == m_text.size(); }
    bool Peek(char c) const { return !AtEnd() && m_text[m_pos] == c; }
    bool PeekDigit(std::size_t offset = 0) const {
        return m_pos + offset < m_text.size() && IsDigit(m_text[m_pos + offset]);
    }
    bool Take(char c) {
        if (!Peek(c))
            return false;
        ++m_pos;
        return true;
    }
    // Takes `token` only when a digit follows it.
    bool TakeBeforeDigit(std::string_view token) {
        if (token.empty() || m_text.substr(m_pos, token.size()) != token ||
            !PeekDigit(token.size()))
            return false;
        m_pos += token.size();
        return true;
    }
    bool Take(std::string_view token) {
        if (token.empty() || m_text.substr(m_pos, token.size()) != token)
            return false;
        m_pos += token.size();
        return true;
    }
    std::string Digits() {
        const std::size_t start = m_pos;
        while (PeekDigit())
            ++m_pos;
        return std::string(m_text.substr(start, m_pos - start));
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Where the group separator is a no-break space, users type a plain one.
bool TakeGroupSeparator(Scanner& scan, const std::string& group) {
    if (scan.TakeBeforeDigit(group))
        return true;
    const bool spaceLike = group == "\u00A0" || group == "\u202F";
    return spaceLike && scan.TakeBeforeDigit(" ");
}

// Integer digits with optional grouping: first group 1-3 digits, then groups
// of exactly 3. Empty when the grouping is wrong.
std::optional<std::string> IntegerDigits(Scanner& scan, const std::string& group) {
    std::vector<std::string> groups{scan.Digits()};
    while (!groups.back().empty() && TakeGroupSeparator(scan, group))
        groups.push_back(scan.Digits());
    if (groups.size() > 1) {
        if (groups.front().size() > 3)
            return std::nullopt;
        for (std::size_t i = 1; i < groups.size(); ++i) {
            if (groups[i].size() != 3)
                return std::nullopt;
        }
    }
    std::string digits;
    for (const auto& g : groups)
        digits += g;
    return digits;
}

// Decimal order of magnitude of the mantissa's first significant digit.
long long LeadingOrder(const std::string& integer, const std::string& fraction) {
    const auto first = integer.find_first_not_of('0');
    if (first != std::string::npos)
        return static_cast<long long>(integer.size() - first) - 1;
    return -static_cast<long long>(fraction.find_first_not_of('0')) - 1;
}

} // namespace

std::optional<double> ReadRegionalNumber(std::string_view text,
                                         const RegionalSeparators& separators) {
    Scanner scan(Trimmed(text));
    const bool negative = scan.Take('-');
    if (!negative)
        scan.Take('+');

    const auto integer = IntegerDigits(scan, separators.group);
    if (!integer)
        return std::nullopt;
    std::string fraction;
    if (scan.Take(std::string_view(separators.decimal)))
        fraction = scan.Digits();
    if (integer->empty() && fraction.empty())
        return std::nullopt;

    std::string exponent;
    bool negativeExponent = false;
    if (scan.Take('E') || scan.Take('e')) {
        negativeExponent = scan.Take('-');
        if (!negativeExponent)
            scan.Take('+');
        exponent = scan.Digits();
        if (exponent.empty())
            return std::nullopt;
    }
    if (!scan.AtEnd())
        return std::nullopt;

    // A canonical form that from_chars reads the same in every locale.
    std::string canonical = (negative ? "-" : "") + (integer->empty() ? "0" : *integer) + "." +
                            (fraction.empty() ? "0" : fraction);
    if (!exponent.empty())
        canonical += std::string("e") + (negativeExponent ? "-" : "") + exponent;

    double value = 0.0;
    const auto result = std::from_chars(canonical.data(), std::to_address(canonical.end()), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: too large is not a number we can use, too
        // small is zero for any survey purpose.
        long long exponentValue = 0;
        for (const char digit : exponent) {
            exponentValue = std::min(exponentValue * 10 + (digit - '0'), 1'000'000'000LL);
        }
        if (negativeExponent)
            exponentValue = -exponentValue;
        if (LeadingOrder(*integer, fraction) + exponentValue > 0)
            return std::nullopt;
        return negative ? -0.0 : 0.0;
    }
    if (result.ec != std::errc() || result.ptr != std::to_address(canonical.end()))
        return std::nullopt;
    return value;
}

bool IsNumericText(std::string_view text, const RegionalSeparators& separators) {
    return ReadRegionalNumber(text, separators).has_value();
}

} // namespace pellucors
