// Compile-time joining of constant texts: each section text is written once in the source, and
// the pieces that contain it are built from it when the program is compiled.
#pragma once

#include <cstddef>

// A joined text with its terminator; Size counts the terminator.
template <std::size_t Size> struct JoinedText { char text[Size]; };

namespace text_join_detail {

template <typename Part> struct Length;
template <std::size_t Size> struct Length<char[Size]> {
    static constexpr std::size_t value = Size - 1;
};
template <std::size_t Size> struct Length<JoinedText<Size>> {
    static constexpr std::size_t value = Size - 1;
};

constexpr const char* charsOf(const char* text) {
    return text;
}
template <std::size_t Size> constexpr const char* charsOf(const JoinedText<Size>& joined) {
    return joined.text;
}

} // namespace text_join_detail

// The parts (string literals, constant char arrays or joined texts) one after the other.
template <typename... Parts> constexpr auto joinTexts(const Parts&... parts) {
    JoinedText<(text_join_detail::Length<Parts>::value + ... + 1)> joined{};
    std::size_t at = 0;
    auto append = [&](const char* chars, std::size_t length) {
        for (std::size_t i = 0; i < length; ++i) {
            joined.text[at++] = chars[i];
        }
    };
    (append(text_join_detail::charsOf(parts), text_join_detail::Length<Parts>::value), ...);
    joined.text[at] = '\0';
    return joined;
}

// Whole sections, each followed by the blank line that closes it.
template <typename... Sections> constexpr auto joinSections(const Sections&... sections) {
    return joinTexts(joinTexts(sections, "\n")...);
}
