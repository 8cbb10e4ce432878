#include "answer/answer.h"

bool IsRejectedEntry(std::string_view text) {
    if (text.size() != 1) {
        return true;
    }
    const char c = text[0];
    return !((c >= '0' && c <= '9') || c == ',' || c == '.');
}

bool HoldsMoreThanOneCharacter(std::string_view box) {
    int characters = 0;
    for (const char c : box) {
        // Every byte but a UTF-8 continuation byte starts a character.
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters > 1;
}

int CarryIntoBox(const std::array<int, 14>& carry, int box, bool decimal) {
    if (decimal && box == 3) {
        return 0;
    }
    if (decimal && box == 4) {
        return carry[11];
    }
    return carry[14 - box];
}

std::string AssembleSum(const SumBoxTexts& boxes) {
    // Only Tot1 keeps a text of more than one character (a refused one stays there for
    // the pupil to see); it is read whole, so "54" there never passes for a 5.
    std::string typed;
    for (std::size_t n = 14; n >= 1; --n) {
        const std::string& text = boxes[n];
        typed += text.empty() || text == " " ? std::string("0") : text;
    }
    return typed;
}

std::string FirstPointToComma(std::string text) {
    if (const auto i = text.find('.'); i != std::string::npos) {
        text[i] = ',';
    }
    return text;
}
