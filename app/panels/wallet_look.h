#pragma once

#include "wallet/pieces.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// How the wallet's pieces look on screen: each stack's picture, its name stem and where its
// bottom piece stands, in the order of PieceTable.
struct PieceLook {
    std::string_view NameStem; // picture name without its place: "Briefje500n", "Stuk2euron"
    std::string_view Image;    // resource every picture of the stack shows
    // Where the bottom picture (place 1) stands in the wallet, and the size of every
    // picture of the stack.
    int Left;
    int Top;
    int Width;
    int Height;
};

inline constexpr std::array<PieceLook, DenominationCount> PieceLooks{{
    {"Briefje500n", ":/images/note500.jpg", 56, 81, 204, 112},
    {"Briefje200n", ":/images/note200.jpg", 334, 83, 199, 108},
    {"Briefje100n", ":/images/note100.jpg", 598, 86, 194, 103},
    {"Briefje50n", ":/images/note50.jpg", 12, 241, 184, 98},
    {"Briefje20n", ":/images/note20.jpg", 235, 244, 179, 94},
    {"Briefje10n", ":/images/note10.jpg", 453, 248, 174, 92},
    {"Briefje5n", ":/images/note5.jpg", 666, 252, 169, 89},
    {"Stuk2euron", ":/images/coin2e.png", 48, 392, 113, 97},
    {"Stuk1euron", ":/images/coin1e.png", 236, 384, 113, 97},
    {"Stuk50centn", ":/images/coin50c.png", 406, 389, 97, 84},
    {"Stuk20centn", ":/images/coin20c.png", 562, 388, 88, 87},
    {"Stuk10centn", ":/images/coin10c.png", 704, 399, 82, 69},
    {"Stuk5centn", ":/images/coin5c.png", 224, 535, 97, 80},
    {"Stuk2centn", ":/images/coin2c.png", 409, 539, 96, 81},
    {"Stuk1centn", ":/images/coin1c.png", 577, 545, 96, 65},
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
