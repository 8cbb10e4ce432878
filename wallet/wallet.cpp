#include "wallet/wallet.h"

#include <algorithm>
#include <climits>
#include <limits>

namespace {

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

Amount Saturate(__int128 v) {
    constexpr Amount lo = std::numeric_limits<Amount>::min();
    constexpr Amount hi = std::numeric_limits<Amount>::max();
    return v < lo ? lo : v > hi ? hi : static_cast<Amount>(v);
}

// A count may never reach its stack size (the split keeps them small), but a draw
// from an empty range must not be asked of the random source.
int Draw(RandomSource& random, int n) {
    return random.rnd(std::max(n, 1));
}

// Caps every stack at its size and shows the value that did not fit in the free
// places of the stacks, largest pieces first. Whatever is left after that is smaller
// than any piece that still has a free place, so one such piece covers it.
void FitIntoStacks(PieceCounts& shown) {
    Amount rest = 0;
    for (int i = 0; i < DenominationCount; ++i) {
        const Denomination& d = PieceTable[At(i)];
        int& n = shown[At(i)];
        n = std::max(n, 0);
        if (n > d.StackSize) {
            rest += static_cast<Amount>(n - d.StackSize) * d.Value;
            n = d.StackSize;
        }
    }
    for (int i = 0; i < DenominationCount && rest > 0; ++i) {
        const Denomination& d = PieceTable[At(i)];
        const Amount fits = std::min<Amount>(d.StackSize - shown[At(i)], rest / d.Value);
        shown[At(i)] += static_cast<int>(fits);
        rest -= fits * d.Value;
    }
    for (int i = DenominationCount - 1; i >= 0 && rest > 0; --i) {
        if (shown[At(i)] < PieceTable[At(i)].StackSize) {
            ++shown[At(i)];
            rest = 0;
        }
    }
}

} // namespace

WalletRatio WalletFactor(Amount total) {
    if (total < Whole(10)) {
        return {10, 1};
    }
    if (total < Whole(20)) {
        return {8, 1};
    }
    if (total < Whole(50)) {
        return {5, 1};
    }
    if (total < Whole(100)) {
        return {3, 1};
    }
    if (total < Whole(500)) {
        return {2, 1};
    }
    return {3, 2};
}

Amount WalletValueFor(Amount total) {
    const WalletRatio f = WalletFactor(total);
    return Saturate(DivideHalfEven(static_cast<__int128>(total) * f.Numerator, f.Denominator));
}

PieceCounts SplitWallet(Amount value) {
    PieceCounts counts{};
    Amount rest = std::max<Amount>(value, 0);
    for (int i = 0; i < DenominationCount; ++i) {
        const Amount v = PieceTable[At(i)].Value;
        const Amount n = rest / v;
        rest -= n * v;
        // Only an absurd value could need more 500-euro notes than an int holds; the
        // dealing shows no more than the stacks hold anyway.
        counts[At(i)] = static_cast<int>(std::min<Amount>(n, INT_MAX));
    }
    return counts;
}

Amount WalletCapacity() {
    PieceCounts full{};
    for (int i = 0; i < DenominationCount; ++i) {
        full[At(i)] = PieceTable[At(i)].StackSize;
    }
    return PiecesValue(full);
}

PieceCounts ComposeWallet(PieceCounts& counts, RandomSource& random) {
    random.Reseed();

    // One 500-euro note changed into two of 200 and one of 100.
    if (counts[0] > 0 && random.rnd(2) == 0) {
        if (counts[1] < 4) {
            counts[1] += 2;
        }
        if (counts[2] < 5) {
            counts[2] += 1;
        }
        counts[0] -= 1;
    }
    for (int i = 1; i <= 3; ++i) {
        if (counts[At(i)] < 5 && random.rnd(2) == 0) {
            ++counts[At(i)];
        }
    }

    PieceCounts shown{};
    for (int i = 0; i <= 3; ++i) {
        shown[At(i)] = counts[At(i)];
    }
    for (int i = 4; i <= 5; ++i) {
        shown[At(i)] = counts[At(i)] + Draw(random, 5 - counts[At(i)]);
    }
    shown[6] = counts[6] + 1 + Draw(random, 5 - counts[6]);
    for (int i = 7; i < DenominationCount; ++i) {
        shown[At(i)] = counts[At(i)] + 1 + Draw(random, 10 - counts[At(i)]);
    }

    FitIntoStacks(shown);
    return shown;
}
