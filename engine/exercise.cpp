#include "engine/exercise.h"

#include <algorithm>

namespace {

constexpr Amount Hundredth = AmountScale / 100;
constexpr Amount Tenth = AmountScale / 10;

int ActiveCount(int n) {
    return std::clamp(n, 2, 12);
}

// Shows a digit in the hundredths place: 3,75 does; "12,5 " and "12   " do not.
bool ShowsHundredths(const std::string& text) {
    return text.size() >= 3 && text[text.size() - 3] == ',' && text.back() != ' ';
}

} // namespace

void DrawAddends(ExerciseState& ex, const AddendSettings& s, Catalogue& catalogue,
                 RandomSource& random) {
    random.Reseed();
    const int n = ActiveCount(s.N);
    const int first = FirstLineInUse(s.N);
    const int maxValue = std::max(s.MaxValue, 1);
    for (Article& article : catalogue) {
        article.Used = false;
    }

    for (int j = first; j <= 12; ++j) {
        ExerciseLine& line = ex.Lines[static_cast<std::size_t>(j)];
        ReceiptLine receipt;
        Amount value = 0;
        if (s.Receipt) {
            receipt = DrawReceiptLine(catalogue, random);
            value = receipt.FirstAmount;
        } else {
            value = Whole(random.rnd(maxValue) + 1);
        }

        if (s.Decimal) {
            if (random.rnd(10) < 6) {
                if (random.rnd(10) < 7) {
                    value += random.rnd(100) * Hundredth;
                } else {
                    value += random.rnd(10) * Tenth;
                }
            }
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
            shown = shown || ShowsHundredths(ex.Lines[static_cast<std::size_t>(j)].AmountText);
        }
        if (!shown) {
            int h = 0;
            do {
                h = random.rnd(100);
            } while (h % 10 == 0);
            ExerciseLine& bottom = ex.Lines[12];
            bottom.LineAmount = WholePart(bottom.LineAmount) + h * Hundredth;
            bottom.AmountText = FormatPlain(bottom.LineAmount);
        }
    }

    ex.Total = 0;
    for (int j = first; j <= 12; ++j) {
        ex.Total += ex.Lines[static_cast<std::size_t>(j)].LineAmount;
    }
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
