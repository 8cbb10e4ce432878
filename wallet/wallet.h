#pragma once

#include "engine/amount.h"
#include "engine/random.h"
#include "wallet/pieces.h"

#include <cstdint>

// The multiplier that makes the wallet's minimum content from a receipt total, as a
// fraction so that 1,5 stays exact.
struct WalletRatio {
    std::int64_t Numerator = 1;
    std::int64_t Denominator = 1;
    friend bool operator==(const WalletRatio&, const WalletRatio&) = default;
};

// 10 below 10 euro, 8 below 20, 5 below 50, 3 below 100, 2 below 500, 3/2 from 500 up.
WalletRatio WalletFactor(Amount total);

// total times its factor, rounded to a whole ten-thousandth, ties to even. Saturates
// at the limits of Amount instead of overflowing.
Amount WalletValueFor(Amount total);

// Greedy split of value into pieces, largest first; a rest below one cent is dropped,
// as is a negative value. Only the 500-euro count grows with the value; every other
// count stays at 1 or 2.
PieceCounts SplitWallet(Amount value);

// The most the fifteen stacks can show together (4463,80 euro).
Amount WalletCapacity();

// Deals one wallet. `counts` starts as a copy of the split and is changed as the
// dealing goes: one 500-euro note may be changed into two of 200 and one of 100, and
// each of the 200, 100 and 50 counts below 5 may grow by one. The result is how many
// pictures of every stack are shown, from place 1 up.
//
// Draws, after one Reseed: a flip rnd(2) for the exchange when counts[0] > 0 (on 0 the
// note is changed); a flip for 200, 100 and 50, each only when its count is below 5
// (on 0 the count grows); then one draw per stack 4..14: stacks 4 and 5 show
// count + rnd(5 - count), stack 6 count + 1 + rnd(5 - count), the coins
// count + 1 + rnd(10 - count).
//
// No stack shows more than its size. When the 500-euro notes do not all fit (totals
// from 2000 euro up), the value of those left over is shown in the free places of the
// other stacks, largest pieces first, with one piece more where the rest does not come
// out exactly. The shown value is thus never below the dealt value unless every stack
// is full.
PieceCounts ComposeWallet(PieceCounts& counts, RandomSource& random);
