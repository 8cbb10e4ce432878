#pragma once

#include "engine/amount.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The fifteen euro denominations of the wallet, largest first. Every loop over the
// wallet follows this order: index 0 is the 500-euro note, index 14 the 1-cent coin.
inline constexpr int DenominationCount = 15;
// Pictures in all stacks together: seven note stacks of 5 and eight coin stacks of 10.
inline constexpr int PictureCount = 115;

// One count per denomination, in the order of PieceTable.
using PieceCounts = std::array<int, DenominationCount>;

struct Denomination {
    Amount Value;              // face value in ten-thousandths
    int StackSize;             // pictures in its stack: 5 for notes, 10 for coins
    std::string_view NameStem; // picture name without its place: "Briefje500n", "Stuk2euron"
    std::string_view Image;    // resource every picture of the stack shows
    // Where the bottom picture (place 1) stands in the wallet, and the size of every
    // picture of the stack.
    int Left;
    int Top;
    int Width;
    int Height;
};

inline constexpr std::array<Denomination, DenominationCount> PieceTable{{
    {Whole(500), 5, "Briefje500n", ":/images/note500.jpg", 56, 81, 204, 112},
    {Whole(200), 5, "Briefje200n", ":/images/note200.jpg", 334, 83, 199, 108},
    {Whole(100), 5, "Briefje100n", ":/images/note100.jpg", 598, 86, 194, 103},
    {Whole(50), 5, "Briefje50n", ":/images/note50.jpg", 12, 241, 184, 98},
    {Whole(20), 5, "Briefje20n", ":/images/note20.jpg", 235, 244, 179, 94},
    {Whole(10), 5, "Briefje10n", ":/images/note10.jpg", 453, 248, 174, 92},
    {Whole(5), 5, "Briefje5n", ":/images/note5.jpg", 666, 252, 169, 89},
    {Whole(2), 10, "Stuk2euron", ":/images/coin2e.png", 48, 392, 113, 97},
    {Whole(1), 10, "Stuk1euron", ":/images/coin1e.png", 236, 384, 113, 97},
    {5000, 10, "Stuk50centn", ":/images/coin50c.png", 406, 389, 97, 84},
    {2000, 10, "Stuk20centn", ":/images/coin20c.png", 562, 388, 88, 87},
    {1000, 10, "Stuk10centn", ":/images/coin10c.png", 704, 399, 82, 69},
    {500, 10, "Stuk5centn", ":/images/coin5c.png", 224, 535, 97, 80},
    {200, 10, "Stuk2centn", ":/images/coin2c.png", 409, 539, 96, 81},
    {100, 10, "Stuk1centn", ":/images/coin1c.png", 577, 545, 96, 65},
}};

// A picture of the wallet: its denomination and its place in the stack, counted from
// 1 at the bottom.
struct PicturePlace {
    int Index = 0;
    int Place = 1;
    friend bool operator==(const PicturePlace&, const PicturePlace&) = default;
};

// "Briefje500n1", "Stuk20centn10": the stem followed by the place. Both arguments must
// name an existing picture (index 0..14, place 1..stack size).
std::string PictureName(int index, int place);

// The reverse of PictureName; nullopt for any name that is not one of the 115 pictures.
std::optional<PicturePlace> ParsePictureName(std::string_view name);

struct PicturePoint {
    int Left = 0;
    int Top = 0;
    friend bool operator==(const PicturePoint&, const PicturePoint&) = default;
};

// Where a picture stands in the wallet: each stack fans out 8 pixels to the lower
// right per place. Arguments as for PictureName.
PicturePoint PicturePosition(int index, int place);

// The value of the given number of pieces of every denomination.
Amount PiecesValue(const PieceCounts& counts);
