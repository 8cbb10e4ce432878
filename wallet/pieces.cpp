#include "wallet/pieces.h"

Amount PiecesValue(const PieceCounts& counts) {
    Amount value = 0;
    for (int i = 0; i < DenominationCount; ++i) {
        value += static_cast<Amount>(counts[static_cast<std::size_t>(i)]) *
                 PieceTable[static_cast<std::size_t>(i)].Value;
    }
    return value;
}
