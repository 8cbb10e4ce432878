#include "answer/answer.h"

#include <cmath>

bool IsRejectedEntry(std::string_view text) {
    if (text.size() != 1) {
        return true;
    }
    const char c = text[0];
    return !((c >= '0' && c <= '9') || c == ',' || c == '.');
}

int CarryLabelLeft(int priceLeft, Amount columnWidth, int box) {
    // Over box 13 the label stands 0.2 of a column left of the price label, not a whole
    // column further left as the steady step would put it.
    const double columns = box == 13 ? -0.2 : 11.2 - (box - 1);
    const double width = static_cast<double>(columnWidth) / AmountScale;
    return static_cast<int>(std::trunc(priceLeft + columns * width));
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
