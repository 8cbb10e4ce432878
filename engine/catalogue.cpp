#include "engine/catalogue.h"

namespace {

struct Row {
    const char* name;
    int price; // whole euros
    int maxQuantity;
    bool byWeight;
};

constexpr Row Rows[60] = {
    {"Muggenwerend apparaat", 16, 4, false},
    {"Babyrelax", 60, 2, false},
    {"Autostoel", 60, 3, false},
    {"Buggy", 109, 2, false},
    {"Fietshelm", 35, 4, false},
    {"Fietsstoel", 40, 2, false},
    {"Flesverwarmer", 37, 2, false},
    {"Mixer/stoomkoker", 80, 1, false},
    {"Kinderstoel", 115, 2, false},
    {"Epileertoestel", 90, 1, false},
    {"Krultang", 30, 2, false},
    {"Ontkrultang", 65, 2, false},
    {"Glazen weegschaal", 69, 1, false},
    {"Haardroger", 39, 1, false},
    {"MultiStylist 10 in 1", 38, 1, false},
    {"Massagekussen", 319, 2, false},
    {"Verdamper essent. olie", 40, 5, false},
    {"Airconditioner", 485, 3, false},
    {"Peper- en zoutmolen", 30, 2, false},
    {"Mixer + hulpstukken", 119, 1, false},
    {"Aardbeien", 2, 3, true},
    {"Barbecuemengeling", 10, 5, true},
    {"Kippenborstfilet", 11, 5, true},
    {"Biefstuk", 14, 5, true},
    {"Lamsvlees", 13, 5, true},
    {"Frisdrank fles", 1, 36, false},
    {"Frisdrank blik", 1, 36, false},
    {"Chips", 1, 5, false},
    {"Bloemkool", 2, 10, false},
    {"Fruitsap", 2, 24, false},
    {"Tomaat", 2, 5, true},
    {"Paprika", 3, 5, true},
    {"Asperge", 4, 5, true},
    {"Kiwi", 1, 12, false},
    {"Kersen", 5, 5, true},
    {"Blauwe druiven", 3, 5, true},
    {"Pruimen", 3, 5, true},
    {"Appelsienen", 1, 5, true},
    {"Bananen", 2, 10, true},
    {"Peren", 2, 24, true},
    {"Tandenborstel", 4, 4, false},
    {"Tandpasta", 2, 4, false},
    {"Shampoo", 3, 4, false},
    {"Douchegel", 5, 4, false},
    {"Waspoeder", 28, 3, false},
    {"keukenpapier (9 rollen)", 7, 3, false},
    {"Toiletpapier (24 rollen)", 9, 3, false},
    {"Jonge kaas", 10, 5, true},
    {"koffie (4 pakjes)", 12, 5, false},
    {"Spagetti (500 gr.)", 1, 10, false},
    {"Eieren (6 stuks)", 2, 4, false},
    {"Speculoos doos 1kg.", 3, 2, false},
    {"Appels Jona Golden", 1, 5, true},
    {"Soep in blik", 2, 6, false},
    {"Kaas belegen", 17, 1, true},
    {"Kippenworst", 8, 5, true},
    {"Kip curry", 9, 1, true},
    {"Hoeveham", 13, 1, true},
    {"Garnalen", 20, 1, true},
    {"Aardappelen", 1, 25, true},
};

} // namespace

Catalogue MakeCatalogue() {
    Catalogue catalogue{};
    for (std::size_t i = 0; i < 60; ++i) {
        const Row& row = Rows[i];
        Article& article = catalogue[i + 1];
        article.Name = row.name;
        article.Price = Whole(row.price);
        article.MaxQuantity = row.maxQuantity;
        article.ByWeight = row.byWeight;
        article.Used = false;
    }
    return catalogue;
}

ReceiptLine DrawReceiptLine(Catalogue& catalogue, RandomSource& random) {
    int i = 0;
    do {
        i = random.rnd(60) + 1;
    } while (catalogue[static_cast<std::size_t>(i)].Used);
    Article& article = catalogue[static_cast<std::size_t>(i)];
    article.Used = true;

    ReceiptLine line;
    line.ArticleName = article.Name;
    if (!article.ByWeight) {
        const int q = random.rnd(article.MaxQuantity) + 1;
        line.QuantityText = FormatPlain(Whole(q)) + " St.";
        line.FirstAmount = article.Price * q;
    } else if (article.MaxQuantity == 1) {
        // Sold by the gram: the line shows whole euros, the cents are dropped.
        const int grams = random.rnd(900) + 101;
        line.QuantityText = FormatPlain(Whole(grams)) + " Gr.";
        line.FirstAmount = WholePart(article.Price * grams / 1000);
    } else {
        // Whole kilograms first, then the hundredths.
        const int kilograms = random.rnd(article.MaxQuantity) + 1;
        const int hundredths = random.rnd(100);
        const Amount weight = Whole(kilograms) + hundredths * (AmountScale / 100);
        line.QuantityText = FormatPlain(weight) + " kg.";
        // A whole-euro price times a weight in hundredths of a kilogram: exact to the cent.
        line.FirstAmount = article.Price * weight / AmountScale;
    }
    return line;
}
