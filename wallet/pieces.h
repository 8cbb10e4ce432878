#pragma once

#include "engine/amount.h"

#include <array>

// The fifteen euro denominations of the wallet, largest first. Every loop over the
// wallet follows this order: index 0 is the 500-euro note, index 14 the 1-cent coin.
inline constexpr int DenominationCount = 15;
// Pieces in all stacks together: seven note stacks of 5 and eight coin stacks of 10.
inline constexpr int PictureCount = 115;

// One count per denomination, in the order of PieceTable.
using PieceCounts = std::array<int, DenominationCount>;

struct Denomination {
    Amount Value;  // face value in ten-thousandths
    int StackSize; // pieces in its stack: 5 for notes, 10 for coins
};

inline constexpr std::array<Denomination, DenominationCount> PieceTable{{
    {Whole(500), 5},
    {Whole(200), 5},
    {Whole(100), 5},
    {Whole(50), 5},
    {Whole(20), 5},
    {Whole(10), 5},
    {Whole(5), 5},
    {Whole(2), 10},
    {Whole(1), 10},
    {5000, 10},
    {2000, 10},
    {1000, 10},
    {500, 10},
    {200, 10},
    {100, 10},
}};

// The value of the given number of pieces of every denomination.
Amount PiecesValue(const PieceCounts& counts);
