#include "Graphemes.h"

#include <utf8proc.h>

#include <algorithm>

namespace pellucors {

std::vector<Grapheme> Graphemes(std::string_view text) {
    std::vector<Grapheme> graphemes;
    const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data());
    utf8proc_int32_t state = 0;
    utf8proc_int32_t previous = 0;
    bool joins = false; // whether the next character may join the one before
    for (std::size_t at = 0; at < text.size();) {
        utf8proc_int32_t code = 0;
        const auto length =
            utf8proc_iterate(bytes + at, static_cast<utf8proc_ssize_t>(text.size() - at), &code);
        const bool malformed = length < 1;
        const std::size_t size = malformed ? 1 : static_cast<std::size_t>(length);
        if (!joins || malformed || utf8proc_grapheme_break_stateful(previous, code, &state))
            graphemes.push_back({at, at, 0});
        Grapheme& grapheme = graphemes.back();
        grapheme.end = at + size;
        // The widest of its characters: a base letter, a wide character
        // joined to others.
        const int cells = malformed ? 1 : utf8proc_charwidth(code);
        grapheme.cells = std::max(grapheme.cells, static_cast<std::size_t>(cells));
        previous = code;
        joins = !malformed;
        if (malformed)
            state = 0;
        at += size;
    }
    return graphemes;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (static_cast<unsigned char>(c) & 0x80U) == 0; });
}

std::size_t DisplayWidth(std::string_view text) {
    if (IsAscii(text))
        return text.size();
    std::size_t cells = 0;
    for (const Grapheme& grapheme : Graphemes(text))
        cells += grapheme.cells;
    return cells;
}

} // namespace pellucors
