#include "wallet/pieces.h"

#include <cassert>

namespace {

// Places are written without leading zeros, from 1 up to the stack size.
std::optional<int> ReadPlace(std::string_view digits, int stackSize) {
    if (digits.empty() || digits.size() > 2 || digits.front() == '0') {
        return std::nullopt;
    }
    int place = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        place = place * 10 + (c - '0');
    }
    if (place > stackSize) {
        return std::nullopt;
    }
    return place;
}

} // namespace

std::string PictureName(int index, int place) {
    assert(index >= 0 && index < DenominationCount);
    const Denomination& d = PieceTable[static_cast<std::size_t>(index)];
    assert(place >= 1 && place <= d.StackSize);
    return std::string(d.NameStem) + std::to_string(place);
}

std::optional<PicturePlace> ParsePictureName(std::string_view name) {
    for (int i = 0; i < DenominationCount; ++i) {
        const Denomination& d = PieceTable[static_cast<std::size_t>(i)];
        // No stem is the start of another followed by a digit ("Briefje5n" against
        // "Briefje50n"), so at most one stem matches.
        if (name.starts_with(d.NameStem)) {
            if (const auto place = ReadPlace(name.substr(d.NameStem.size()), d.StackSize)) {
                return PicturePlace{i, *place};
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

PicturePoint PicturePosition(int index, int place) {
    assert(index >= 0 && index < DenominationCount);
    const Denomination& d = PieceTable[static_cast<std::size_t>(index)];
    assert(place >= 1 && place <= d.StackSize);
    const int step = 8 * (place - 1);
    PicturePoint p{d.Left + step, d.Top + step};
    // The top 200-euro note sits 5 pixels left of the fan; the window has always
    // looked like this.
    if (index == 1 && place == 5) {
        p.Left = 361;
    }
    return p;
}

Amount PiecesValue(const PieceCounts& counts) {
    Amount value = 0;
    for (int i = 0; i < DenominationCount; ++i) {
        value += static_cast<Amount>(counts[static_cast<std::size_t>(i)]) *
                 PieceTable[static_cast<std::size_t>(i)].Value;
    }
    return value;
}
