#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace pellucors {

// UTF-8 text a character (code point) at a time, as the fixed-width rows
// count it: a malformed byte counts as a character of its own.

// Whether `byte` starts a character: continuation bytes (10xxxxxx) belong to
// the character before them.
inline bool StartsACharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
}

inline std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text)
        count += StartsACharacter(byte) ? 1 : 0;
    return count;
}

// The code point that starts at byte `at` of `text`; `at` moves past it.
inline char32_t NextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = extra == 0 ? lead : lead & (0x3FU >> extra);
    for (int i = 0; i < extra && at < text.size(); ++i)
        code = (code << 6) | (static_cast<unsigned char>(text[at++]) & 0x3FU);
    return code;
}

// Where each character starts, then text.size(): where a line may break.
inline std::vector<std::size_t> CharacterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || StartsACharacter(text[i]))
            starts.push_back(i);
    }
    return starts;
}

} // namespace pellucors
