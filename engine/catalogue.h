#pragma once

#include "engine/amount.h"
#include "engine/random.h"

#include <array>
#include <cstdint>
#include <string>

struct Article {
    std::string Name;
    Amount Price = 0; // per piece, or per kilogram when sold by weight
    std::int32_t MaxQuantity = 1;
    bool ByWeight = false; // with MaxQuantity 1: sold by the gram
    bool Used = false;     // already on the receipt being drawn
};

// The article names and units are the shop's Dutch; the window shows them in the pupil's
// language, looked up in the translations under this context (see engine/translatable.h).
inline constexpr const char* CatalogueTextContext = "Catalogue";

// The units a quantity is counted in, as ReceiptLine::Unit holds them: pieces, grams,
// kilograms.
extern const char* const PiecesUnit;
extern const char* const GramsUnit;
extern const char* const KilogramsUnit;

// Articles 1..60; element 0 is never used.
using Catalogue = std::array<Article, 61>;

// The 60 articles of the shop, every Used mark cleared.
Catalogue MakeCatalogue();

// One drawn line of a receipt, before the common steps of the addend draw (decimals,
// maximum 100, formatting) act on its amount.
struct ReceiptLine {
    std::string QuantityText; // "3 St.", "523 Gr.", "2,4 kg."
    std::string ArticleName;
    Amount FirstAmount = 0; // price times quantity; whole euros for gram articles
    std::string Unit;       // the unit QuantityText ends in: "St.", "Gr." or "kg."
};

// Draws an article not yet Used on this receipt, marks it Used and draws its quantity.
// At least one article must still be unused (a receipt has at most 12 lines).
ReceiptLine DrawReceiptLine(Catalogue& catalogue, RandomSource& random);
