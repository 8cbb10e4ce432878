#pragma once

#include "engine/amount.h"

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

// Articles 1..60; element 0 is never used.
using Catalogue = std::array<Article, 61>;
