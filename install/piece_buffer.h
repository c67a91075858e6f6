// A piece of output composed in memory before its single write; fixed capacity, no allocation.
#pragma once

#include <cstddef>

struct PieceBuffer {
    static constexpr std::size_t kCapacity = 12288;
    char text[kCapacity] = "";
    std::size_t length = 0;
};

// Room that a constant piece leaves in a buffer for the text composed around it (a weights
// section with the [flight_tuning] section before it, or a lights section): well over their
// longest form. The constant pieces check it at compile time.
constexpr std::size_t kComposedSectionRoom = 2048;

// Appends text; never writes past the capacity (text that would not fit is cut, which the
// compile-time checks rule out).
void appendText(PieceBuffer& piece, const char* text);

// Appends a non-negative number in decimal.
void appendNumber(PieceBuffer& piece, unsigned number);
