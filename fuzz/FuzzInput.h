#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

namespace pellucors::fuzz {

// Reads typed values from the front of a fuzzer's input. Past the end every
// value is zero and every text empty, so any input is a complete case.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool AtEnd() const { return m_pos >= m_size; }

    template <typename Value> Value Take() {
        static_assert(std::is_trivially_copyable_v<Value>);
        Value value{};
        const std::size_t count = std::min(sizeof(Value), m_size - m_pos);
        if (count > 0)
            std::memcpy(&value, m_data + m_pos, count);
        m_pos += count;
        return value;
    }

    std::uint8_t Byte() { return Take<std::uint8_t>(); }

    // Up to `length` bytes, exactly as they stand (NUL, control characters
    // and broken UTF-8 included).
    std::string Text(std::size_t length) {
        const std::size_t count = std::min(length, m_size - m_pos);
        std::string text;
        if (count > 0)
            text.assign(reinterpret_cast<const char*>(m_data + m_pos), count);
        m_pos += count;
        return text;
    }

    std::string Rest() { return Text(m_size - m_pos); }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A broken property is a finding: abort, so libFuzzer keeps the input.
[[noreturn]] inline void Fail(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "property broken: %s\n%s\n", what, detail.c_str());
    std::abort();
}

inline void Require(bool holds, const char* what, const std::string& detail = {}) {
    if (!holds)
        Fail(what, detail);
}

} // namespace pellucors::fuzz
