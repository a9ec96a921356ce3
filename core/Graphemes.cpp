#include "Graphemes.h"

#include <utf8proc.h>

#include <algorithm>

namespace pellucors {

CodePoint CodePointAt(std::string_view text, std::size_t at) {
    utf8proc_int32_t code = -1;
    const auto length =
        utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(text.data()) + at,
                         static_cast<utf8proc_ssize_t>(text.size() - at), &code);
    return length < 1 ? CodePoint{-1, 1} : CodePoint{code, static_cast<std::size_t>(length)};
}

std::vector<Grapheme> Graphemes(std::string_view text) {
    std::vector<Grapheme> graphemes;
    utf8proc_int32_t state = 0;
    utf8proc_int32_t previous = 0;
    bool joins = false; // whether the next character may join the one before
    for (std::size_t at = 0; at < text.size();) {
        const CodePoint point = CodePointAt(text, at);
        const bool malformed = point.code < 0;
        if (!joins || malformed || utf8proc_grapheme_break_stateful(previous, point.code, &state))
            graphemes.push_back({at, at, 0});
        Grapheme& grapheme = graphemes.back();
        grapheme.end = at + point.size;
        // The widest of its characters: a base letter, a wide character
        // joined to others.
        const int cells = malformed ? 1 : utf8proc_charwidth(point.code);
        grapheme.cells = std::max(grapheme.cells, static_cast<std::size_t>(cells));
        previous = point.code;
        joins = !malformed;
        if (malformed)
            state = 0;
        at += point.size;
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
