#pragma once
// Lookup between an enumeration numbered 0..N-1 and its table of raw texts,
// shared by every enumeration that travels as text.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace duolinear {

template <typename Enum, std::size_t N>
const std::string& rawNameOf(const std::array<std::string, N>& names, Enum value) {
    return names[static_cast<std::size_t>(value)];
}

// Exact, case-sensitive match; any other text is no value.
template <typename Enum, std::size_t N>
std::optional<Enum> findRawValue(const std::array<std::string, N>& names, std::string_view text) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == text) return static_cast<Enum>(i);
    }
    return std::nullopt;
}

}  // namespace duolinear
