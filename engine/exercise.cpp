#include "engine/exercise.h"

#include <algorithm>

namespace {

constexpr Amount Hundredth = AmountScale / 100;
constexpr Amount Tenth = AmountScale / 10;

int ActiveCount(int n) {
    return std::clamp(n, 2, 12);
}

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

// Shows a digit in the hundredths place: 3,75 does; "12,5 " and "12   " do not.
bool ShowsHundredths(const std::string& text) {
    return text.size() >= 3 && text[text.size() - 3] == ',' && text.back() != ' ';
}

// The fraction of a decimal addend, in hundredths: with a chance of 6 in 10 one is added,
// of hundredths (7 in 10) or of tenths.
int DrawFraction(RandomSource& random) {
    if (random.rnd(10) < 6) {
        if (random.rnd(10) < 7) {
            return random.rnd(100);
        }
        return random.rnd(10) * 10;
    }
    return 0;
}

// Hundredths that show a digit in the hundredths place: 1 to 99 but not 10, 20, ...
int DrawShownHundredths(RandomSource& random) {
    int h = 0;
    do {
        h = random.rnd(100);
    } while (h % 10 == 0);
    return h;
}

// The addends as the design draws them, in the order it draws them.
void DrawAsDesigned(ExerciseState& ex, const AddendSettings& s, Catalogue& catalogue,
                    RandomSource& random) {
    const int n = ActiveCount(s.N);
    const int first = FirstLineInUse(s.N);
    const int maxValue = std::max(s.MaxValue, 1);
    for (int j = first; j <= 12; ++j) {
        ExerciseLine& line = ex.Lines[At(j)];
        ReceiptLine receipt;
        Amount value = 0;
        if (s.Receipt) {
            receipt = DrawReceiptLine(catalogue, random);
            value = receipt.FirstAmount;
        } else {
            value = Whole(random.rnd(maxValue) + 1);
        }

        if (s.Decimal) {
            value += DrawFraction(random) * Hundredth;
        } else {
            value = WholePart(value);
        }

        if (s.Receipt && s.Max100) {
            value = Whole(random.rnd(100 / n) + 1);
        }

        line.LineAmount = value;
        line.AmountText = FormatPlain(value);
        line.QuantityText = receipt.QuantityText;
        line.Unit = receipt.Unit;
        line.ArticleName = receipt.ArticleName;
        if (s.Decimal) {
            line.AmountText = s.Receipt ? FormatTwoDecimals(value) : FormatAligned(value);
        }
    }

    if (s.Decimal) {
        bool shown = false;
        for (int j = first; j <= 12; ++j) {
            shown = shown || ShowsHundredths(ex.Lines[At(j)].AmountText);
        }
        if (!shown) {
            ExerciseLine& bottom = ex.Lines[12];
            bottom.LineAmount =
                WholePart(bottom.LineAmount) + DrawShownHundredths(random) * Hundredth;
            bottom.AmountText = FormatPlain(bottom.LineAmount);
        }
    }
}

// ------------------------------------------------------------- drawing within a profile
// A classic addend as a whole part and hundredths, so that its columns can be counted
// and its digits chosen without going through its text.
struct Addend {
    std::int64_t Units = 1;
    int Hundredths = 0; // 0..99; always 0 without decimals
};
using Addends = std::array<Addend, 12>; // the n addends, top first, in 0..n-1

// Columns from the right: 0 the hundredths, 1 the tenths, 2 the units, 3 the tens, ...
// The tenths pass their carry straight on to the units, as over the comma on screen.
constexpr int kUnitsColumn = 2;
constexpr int kColumns = 10;
using ColumnSums = std::array<int, kColumns>;

// Calls f(column, digit) for each digit the addend shows on screen.
template <typename F> void ForEachDigit(const Addend& a, bool decimal, F f) {
    if (decimal && a.Hundredths % 10 != 0) {
        f(0, a.Hundredths % 10);
    }
    if (decimal && a.Hundredths != 0) {
        f(1, a.Hundredths / 10);
    }
    int column = kUnitsColumn;
    for (std::int64_t rest = a.Units; rest > 0 && column < kColumns; rest /= 10) {
        f(column++, static_cast<int>(rest % 10));
    }
}

CarryFacts Measure(const Addends& a, int n, bool decimal) {
    ColumnSums sums{};
    std::array<bool, kColumns> holds{};
    for (int i = 0; i < n; ++i) {
        ForEachDigit(a[At(i)], decimal, [&](int column, int digit) {
            sums[At(column)] += digit;
            holds[At(column)] = true;
        });
    }
    CarryFacts facts;
    int carry = 0;
    for (int column = 0; column < kColumns; ++column) {
        const int sum = sums[At(column)] + carry;
        facts.LargestColumnSum = std::max(facts.LargestColumnSum, sum);
        carry = sum / 10;
        if (carry > 0) {
            facts.AnyCarry = true;
            facts.CarryIntoDigits =
                facts.CarryIntoDigits || (column + 1 < kColumns && holds[At(column + 1)]);
        }
    }
    return facts;
}

std::int64_t Power10(int k) {
    std::int64_t p = 1;
    while (k-- > 0) {
        p *= 10;
    }
    return p;
}

// A whole part ending in `units` (0..9), at most maxValue and at least `fewestTens` tens,
// its tens drawn at random; maxValue leaves room for it.
std::int64_t EndingIn(int units, int fewestTens, int maxValue, RandomSource& random) {
    const int mostTens = (maxValue - units) / 10;
    return 10 * (fewestTens + random.rnd(mostTens - fewestTens + 1)) + units;
}

// k different addends out of n, in random order, in picks[0..k-1].
std::array<int, 12> Pick(int k, int n, RandomSource& random) {
    std::array<int, 12> picks{};
    for (int i = 0; i < n; ++i) {
        picks[At(i)] = i;
    }
    for (int i = 0; i < k; ++i) {
        std::swap(picks[At(i)], picks[At(i + random.rnd(n - i))]);
    }
    return picks;
}

void DrawFreely(Addends& a, int n, int maxValue, bool decimal, RandomSource& random) {
    for (int i = 0; i < n; ++i) {
        a[At(i)].Units = random.rnd(maxValue) + 1;
        a[At(i)].Hundredths = decimal ? DrawFraction(random) : 0;
    }
    if (decimal && std::none_of(a.begin(), a.begin() + n,
                                [](const Addend& x) { return x.Hundredths % 10 != 0; })) {
        a[At(n - 1)].Hundredths = DrawShownHundredths(random);
    }
}

// "met": a carry from the units into the tens of a two-digit addend (x + y >= 10 under
// 10 + x), or with decimals from the tenths into the units. The other addends keep their
// digits, so no column sum shrinks.
void PlantCarry(Addends& a, int n, int maxValue, bool decimal, RandomSource& random) {
    if (decimal) {
        const std::array<int, 12> p = Pick(2, n, random);
        const int x = random.rnd(9) + 1;
        const int y = 10 - x + random.rnd(x);
        a[At(p[0])].Hundredths = 10 * x + a[At(p[0])].Hundredths % 10;
        a[At(p[1])].Hundredths = 10 * y + a[At(p[1])].Hundredths % 10;
        return;
    }
    if (maxValue >= 11) {
        const std::array<int, 12> p = Pick(2, n, random);
        const int x = random.rnd(std::min(9, maxValue - 10)) + 1;
        const int y = 10 - x + random.rnd(x);
        a[At(p[0])].Units = EndingIn(x, 1, maxValue, random);
        a[At(p[1])].Units = EndingIn(y, 0, maxValue, random);
        return;
    }
    // 10 + y + z with y + z >= 10.
    const std::array<int, 12> p = Pick(3, n, random);
    const int y = random.rnd(9) + 1;
    a[At(p[0])].Units = 10;
    a[At(p[1])].Units = y;
    a[At(p[2])].Units = 10 - y + random.rnd(y);
}

// "dubbel": digits of 20 or more in the tenths, or in the units of as few addends as
// their largest digit allows.
void PlantDouble(Addends& a, int n, int maxValue, bool decimal, RandomSource& random) {
    const int most = decimal ? 9 : std::min(9, maxValue);
    const int k = std::max(3, (20 + most - 1) / most);
    const std::array<int, 12> p = Pick(k, n, random);
    int wanted = 20;
    for (int i = 0; i < k; ++i) {
        const int after = k - 1 - i;
        const int fewest = std::max(1, wanted - after * most);
        const int digit = fewest + random.rnd(most - fewest + 1);
        wanted -= digit;
        Addend& addend = a[At(p[At(i)])];
        if (decimal) {
            addend.Hundredths = 10 * digit + addend.Hundredths % 10;
        } else {
            addend.Units = EndingIn(digit, 0, maxValue, random);
        }
    }
}

// "zonder": the addends one by one, each drawn freely until it fits in what the columns
// still take while leaving a digit's room for every addend after it; failing that, a
// digit or two in one column with room (1, 10, 20, 100, ...).
void BuildWithoutCarries(Addends& a, int n, int maxValue, bool decimal, RandomSource& random) {
    constexpr int kTries = 20;
    ColumnSums used{};
    int places = 0; // the columns a single digit can fill: 1, 10, ... up to maxValue
    while (places + kUnitsColumn < kColumns && Power10(places) <= maxValue) {
        ++places;
    }
    const auto room = [&] {
        int r = 0;
        for (int k = 0; k < places; ++k) {
            r += 9 - used[At(kUnitsColumn + k)];
        }
        return r;
    };
    const auto add = [&](const Addend& x, int sign) {
        ForEachDigit(x, decimal, [&](int column, int digit) { used[At(column)] += sign * digit; });
    };
    for (int i = 0; i < n; ++i) {
        const int after = n - 1 - i;
        bool placed = false;
        for (int t = 0; t < kTries && !placed; ++t) {
            const Addend x{random.rnd(maxValue) + 1, decimal ? DrawFraction(random) : 0};
            add(x, 1);
            placed = room() >= after &&
                     std::all_of(used.begin(), used.end(), [](int sum) { return sum <= 9; });
            if (placed) {
                a[At(i)] = x;
            } else {
                add(x, -1);
            }
        }
        if (placed) {
            continue;
        }
        std::array<int, kColumns> open{};
        int openCount = 0;
        for (int k = 0; k < places; ++k) {
            if (used[At(kUnitsColumn + k)] < 9) {
                open[At(openCount++)] = k;
            }
        }
        const int k = open[At(random.rnd(openCount))];
        const std::int64_t place = Power10(k);
        const int most = static_cast<int>(std::min<std::int64_t>(
            {9 - used[At(kUnitsColumn + k)], room() - after, maxValue / place, 9}));
        a[At(i)] = Addend{(random.rnd(most) + 1) * place, 0};
        add(a[At(i)], 1);
    }
    // A decimal exercise shows a hundredths digit: the bottom addend takes one, with
    // tenths the column still has room for.
    if (decimal && used[0] == 0) {
        Addend& bottom = a[At(n - 1)];
        add(bottom, -1);
        bottom.Hundredths = 10 * random.rnd(10 - used[1]) + random.rnd(9) + 1;
        add(bottom, 1);
    }
}

void DrawWithinProfile(ExerciseState& ex, const AddendSettings& s, RandomSource& random) {
    // Redraws of about 120 addends in all: 60 exercises of 2, 10 of 12. Where that finds
    // none, a free exercise is rarely close to fitting.
    constexpr int kRedrawnAddends = 120;
    const int n = ActiveCount(s.N);
    const int maxValue = std::max(s.MaxValue, 1);
    Addends a{};
    bool fits = false;
    for (int t = 0; t < kRedrawnAddends / n && !fits; ++t) {
        DrawFreely(a, n, maxValue, s.Decimal, random);
        fits = ProfileHolds(s.Carries, Measure(a, n, s.Decimal));
    }
    if (!fits) {
        switch (s.Carries) {
        case CarryProfile::None:
            BuildWithoutCarries(a, n, maxValue, s.Decimal, random);
            break;
        case CarryProfile::Carry:
            PlantCarry(a, n, maxValue, s.Decimal, random);
            break;
        case CarryProfile::Double:
            PlantDouble(a, n, maxValue, s.Decimal, random);
            break;
        case CarryProfile::Free:
            break;
        }
    }
    const int first = FirstLineInUse(n);
    for (int i = 0; i < n; ++i) {
        ExerciseLine& line = ex.Lines[At(first + i)];
        line = ExerciseLine{};
        line.LineAmount = Whole(a[At(i)].Units) + a[At(i)].Hundredths * Hundredth;
        line.AmountText = s.Decimal ? FormatAligned(line.LineAmount) : FormatPlain(line.LineAmount);
    }
}

} // namespace

ProfileDraw DrawAddends(ExerciseState& ex, const AddendSettings& s, Catalogue& catalogue,
                        RandomSource& random) {
    random.Reseed();
    for (Article& article : catalogue) {
        article.Used = false;
    }
    ProfileDraw outcome = ProfileDraw::NotAsked;
    if (s.Receipt || s.Carries == CarryProfile::Free) {
        DrawAsDesigned(ex, s, catalogue, random);
    } else if (!CarryProfilePossible(s.Carries, s.N, s.MaxValue, s.Decimal)) {
        DrawAsDesigned(ex, s, catalogue, random);
        outcome = ProfileDraw::Impossible;
    } else {
        DrawWithinProfile(ex, s, random);
        outcome = ProfileDraw::Kept;
    }

    const int first = FirstLineInUse(s.N);
    ex.Total = 0;
    for (int j = first; j <= 12; ++j) {
        ex.Total += ex.Lines[At(j)].LineAmount;
    }
    return outcome;
}

Amount ChoosePaid(Amount total, bool max100, RandomSource& random) {
    // Floor divisions: the total is never negative, but the steps should not care.
    const auto floorDiv = [](std::int64_t a, std::int64_t b) {
        return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
    };
    const std::int64_t euros = floorDiv(total, AmountScale);
    std::int64_t p = 10 * (floorDiv(euros + 1, 10) + 1);
    if (max100) {
        if (p <= 90) {
            p += 10 * (random.rnd(static_cast<int>((100 - p) / 10)) + 1);
        } else {
            p = 100;
        }
    } else if (random.rnd(2) == 1) {
        p += 10 * (random.rnd(5) + 1);
    }
    return Whole(p);
}

std::string TotalText(Amount total, bool decimal) {
    std::string text = decimal ? FormatTwoDecimals(total) : FormatPlain(total);
    if (text.size() < 14) {
        text.insert(0, 14 - text.size(), ' ');
    }
    return text;
}

void FillExpectedChars(ExerciseState& ex, const std::string& totalText) {
    ex.ExpectedChar.fill(' ');
    const std::size_t length = totalText.size();
    for (std::size_t k = 1; k <= 14 && k <= length; ++k) {
        ex.ExpectedChar[k] = totalText[length - k];
    }
}

void ComputeDigitsAndCarries(ExerciseState& ex, int n, bool decimal) {
    for (auto& row : ex.Digits) {
        row.fill(0);
    }
    for (int j = FirstLineInUse(n); j <= 12; ++j) {
        const std::string& text = ex.Lines[static_cast<std::size_t>(j)].AmountText;
        const int length = static_cast<int>(text.size());
        for (int p = 1; p <= length; ++p) {
            const char c = text[static_cast<std::size_t>(p - 1)];
            const int column = 12 - length + p;
            if (c >= '0' && c <= '9' && column >= 1) {
                ex.Digits[static_cast<std::size_t>(j)][static_cast<std::size_t>(column)] = c - '0';
            }
        }
    }

    ex.Carry.fill(0);
    for (int c = 12; c >= 1; --c) {
        int sum = (decimal && c == 9) ? ex.Carry[11] : ex.Carry[static_cast<std::size_t>(c + 1)];
        for (int j = 1; j <= 12; ++j) {
            sum += ex.Digits[static_cast<std::size_t>(j)][static_cast<std::size_t>(c)];
        }
        ex.Carry[static_cast<std::size_t>(c)] = sum / 10;
    }
    if (decimal) {
        ex.Carry[10] = 0;
    }
}

int FirstLineInUse(int n) {
    return 13 - ActiveCount(n);
}
