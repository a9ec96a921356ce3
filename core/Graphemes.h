#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace pellucors {

// What a reader sees as one character of UTF-8 text: a letter with its
// combining marks, an emoji with its joiners. `cells` is how many cells of the
// fixed-pitch grid it takes, as a terminal counts them: 2 for an East Asian
// wide or fullwidth character, 0 for joiners, variation selectors and
// controls alone, otherwise 1. A malformed byte is a grapheme of one cell.
struct Grapheme {
    std::size_t start; // byte offsets in the text
    std::size_t end;
    std::size_t cells;
};

std::vector<Grapheme> Graphemes(std::string_view text);

// The code point that starts at byte `at` of `text` and the bytes it takes;
// a malformed byte is one byte, code -1.
struct CodePoint {
    std::int32_t code;
    std::size_t size;
};

CodePoint CodePointAt(std::string_view text, std::size_t at);

// Whether `text` is ASCII: one cell a character, and on one grid by itself
// in any fixed-pitch face.
bool IsAscii(std::string_view text);

// The cells `text` takes on the grid: what the fixed-width rows count.
std::size_t DisplayWidth(std::string_view text);

} // namespace pellucors
