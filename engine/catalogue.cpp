#include "engine/catalogue.h"

#include "engine/translatable.h"

namespace {

struct Row {
    const char* name;
    int price; // whole euros
    int maxQuantity;
    bool byWeight;
};

constexpr Row Rows[60] = {
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Muggenwerend apparaat"), 16, 4, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Babyrelax"), 60, 2, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Autostoel"), 60, 3, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Buggy"), 109, 2, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Fietshelm"), 35, 4, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Fietsstoel"), 40, 2, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Flesverwarmer"), 37, 2, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Mixer/stoomkoker"), 80, 1, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Kinderstoel"), 115, 2, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Epileertoestel"), 90, 1, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Krultang"), 30, 2, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Ontkrultang"), 65, 2, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Glazen weegschaal"), 69, 1, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Haardroger"), 39, 1, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "MultiStylist 10 in 1"), 38, 1, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Massagekussen"), 319, 2, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Verdamper essent. olie"), 40, 5, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Airconditioner"), 485, 3, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Peper- en zoutmolen"), 30, 2, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Mixer + hulpstukken"), 119, 1, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Aardbeien"), 2, 3, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Barbecuemengeling"), 10, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Kippenborstfilet"), 11, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Biefstuk"), 14, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Lamsvlees"), 13, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Frisdrank fles"), 1, 36, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Frisdrank blik"), 1, 36, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Chips"), 1, 5, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Bloemkool"), 2, 10, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Fruitsap"), 2, 24, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Tomaat"), 2, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Paprika"), 3, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Asperge"), 4, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Kiwi"), 1, 12, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Kersen"), 5, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Blauwe druiven"), 3, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Pruimen"), 3, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Appelsienen"), 1, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Bananen"), 2, 10, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Peren"), 2, 24, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Tandenborstel"), 4, 4, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Tandpasta"), 2, 4, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Shampoo"), 3, 4, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Douchegel"), 5, 4, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Waspoeder"), 28, 3, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "keukenpapier (9 rollen)"), 7, 3, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Toiletpapier (24 rollen)"), 9, 3, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Jonge kaas"), 10, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "koffie (4 pakjes)"), 12, 5, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Spagetti (500 gr.)"), 1, 10, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Eieren (6 stuks)"), 2, 4, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Speculoos doos 1kg."), 3, 2, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Appels Jona Golden"), 1, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Soep in blik"), 2, 6, false},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Kaas belegen"), 17, 1, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Kippenworst"), 8, 5, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Kip curry"), 9, 1, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Hoeveham"), 13, 1, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Garnalen"), 20, 1, true},
    {QUORVEL_TRANSLATE_NOOP("Catalogue", "Aardappelen"), 1, 25, true},
};

void SetQuantity(ReceiptLine& line, const std::string& number, const char* unit) {
    line.Unit = unit;
    line.QuantityText = number + " " + line.Unit;
}

} // namespace

const char* const PiecesUnit = QUORVEL_TRANSLATE_NOOP("Catalogue", "St.");
const char* const GramsUnit = QUORVEL_TRANSLATE_NOOP("Catalogue", "Gr.");
const char* const KilogramsUnit = QUORVEL_TRANSLATE_NOOP("Catalogue", "kg.");

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
        SetQuantity(line, FormatPlain(Whole(q)), PiecesUnit);
        line.FirstAmount = article.Price * q;
    } else if (article.MaxQuantity == 1) {
        // Sold by the gram: the line shows whole euros, the cents are dropped.
        const int grams = random.rnd(900) + 101;
        SetQuantity(line, FormatPlain(Whole(grams)), GramsUnit);
        line.FirstAmount = WholePart(article.Price * grams / 1000);
    } else {
        // Whole kilograms first, then the hundredths.
        const int kilograms = random.rnd(article.MaxQuantity) + 1;
        const int hundredths = random.rnd(100);
        const Amount weight = Whole(kilograms) + hundredths * (AmountScale / 100);
        SetQuantity(line, FormatPlain(weight), KilogramsUnit);
        // A whole-euro price times a weight in hundredths of a kilogram: exact to the cent.
        line.FirstAmount = article.Price * weight / AmountScale;
    }
    return line;
}
