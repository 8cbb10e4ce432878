#include "app/panels/wallet_look.h"

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
    const auto i = static_cast<std::size_t>(index);
    assert(place >= 1 && place <= PieceTable[i].StackSize);
    return std::string(PieceLooks[i].NameStem) + std::to_string(place);
}

std::optional<PicturePlace> ParsePictureName(std::string_view name) {
    for (int i = 0; i < DenominationCount; ++i) {
        const std::string_view stem = PieceLooks[static_cast<std::size_t>(i)].NameStem;
        // No stem is the start of another followed by a digit ("Briefje5n" against
        // "Briefje50n"), so at most one stem matches.
        if (name.starts_with(stem)) {
            if (const auto place = ReadPlace(name.substr(stem.size()),
                                             PieceTable[static_cast<std::size_t>(i)].StackSize)) {
                return PicturePlace{i, *place};
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

PicturePoint PicturePosition(int index, int place) {
    assert(index >= 0 && index < DenominationCount);
    const auto i = static_cast<std::size_t>(index);
    assert(place >= 1 && place <= PieceTable[i].StackSize);
    const int step = 8 * (place - 1);
    PicturePoint p{PieceLooks[i].Left + step, PieceLooks[i].Top + step};
    // The top 200-euro note sits 5 pixels left of the fan; the window has always
    // looked like this.
    if (index == 1 && place == 5) {
        p.Left = 361;
    }
    return p;
}
