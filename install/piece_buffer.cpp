// Appending to a piece composed in memory.
#include "install/piece_buffer.h"

void appendText(PieceBuffer& piece, const char* text) {
    while (*text != '\0' && piece.length + 1 < PieceBuffer::kCapacity) {
        piece.text[piece.length++] = *text++;
    }
    piece.text[piece.length] = '\0';
}

void appendNumber(PieceBuffer& piece, unsigned number) {
    char digits[12];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number != 0);
    char text[12];
    for (std::size_t i = 0; i < count; ++i) {
        text[i] = digits[count - 1 - i];
    }
    text[count] = '\0';
    appendText(piece, text);
}
