// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/diagnosis.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

// ------------------------------------------------------------------------ the sum row
// One addend's digits by the sum box under them (1..12); -1 where it shows none (a
// blank, the comma, left of the number).
using Places = std::array<int, 13>;

struct Addends {
    bool decimal = false;
    std::vector<Places> rows; // top to bottom
};

Addends ReadAddends(const ExerciseState& ex, int addends, bool decimal) {
    Addends a;
    a.decimal = decimal;
    for (int j = FirstLineInUse(addends); j <= 12; ++j) {
        // Box k lies under grid column 13 - k, which holds the k-th character of the
        // amount text from the right; the Digits table cannot tell a 0 from a blank.
        const std::string& text = ex.Lines[At(j)].AmountText;
        const int length = static_cast<int>(text.size());
        Places places;
        places.fill(-1);
        for (int k = 1; k <= 12 && k <= length; ++k) {
            const char c = text[At(length - k)];
            if (c >= '0' && c <= '9') {
                places[At(k)] = ex.Digits[At(j)][At(13 - k)];
            }
        }
        a.rows.push_back(places);
    }
    return a;
}

// The leftmost box that holds a digit; with decimals at least the units (box 4), which a
// sum row always writes.
int LastDigitBox(const Addends& a) {
    int last = a.decimal ? 4 : 1;
    for (const Places& p : a.rows) {
        for (int k = 12; k > last; --k) {
            if (p[At(k)] >= 0) {
                last = k;
                break;
            }
        }
    }
    return last;
}

// How the addition is worked: right, or with one mistake made in one box (`at`) or in
// every column (`at` 0).
struct Procedure {
    std::optional<Mistake> mistake;
    int at = 0;
    // A carry not added in every column: the leftmost column's sum is still written whole.
    bool lastWhole = true;
};

// Works the addition column by column from the units, as on paper, and writes the row
// from the right. With decimals the comma's box takes the comma, and the carry of the
// tenths passes over it to the units.
std::string Work(const Addends& a, const Procedure& how) {
    const int last = LastDigitBox(a);
    const auto is = [&how](Mistake m) {
        return how.mistake == m;
    };
    // Written from the right, turned round at the end; a whole column sum writes up to
    // three digits.
    std::array<char, 64> reversed{};
    std::size_t length = 0;
    int carry = 0;
    for (int k = 1; k <= last || carry > 0; ++k) {
        if (a.decimal && k == 3 && !is(Mistake::CommaAsDigit)) {
            reversed[length++] = ',';
            continue;
        }
        int sum = 0;
        if (k <= 12) {
            for (const Places& p : a.rows) {
                sum += p[At(k)] >= 0 ? p[At(k)] : 0;
            }
        }
        if (is(Mistake::WholeColumnSum)) {
            // No carry ever comes or goes: each column's sum stands under it.
            do {
                reversed[length++] = static_cast<char>('0' + sum % 10);
                sum /= 10;
            } while (sum > 0);
            continue;
        }
        const bool here = how.at == 0 || how.at == k;
        const int total = sum + carry;
        int written = total % 10;
        carry = total / 10;
        if (here && is(Mistake::CarryNotAdded) && !(how.at == 0 && k >= last && how.lastWhole)) {
            carry = 0;
        } else if (here && is(Mistake::SwappedDigits) && total >= 10 && total < 100) {
            written = total / 10;
            carry = total % 10;
        } else if (here && is(Mistake::CarryOfOne) && total >= 20) {
            carry = 1;
        }
        reversed[length++] = static_cast<char>('0' + written);
    }
    return std::string(reversed.rbegin() + static_cast<std::ptrdiff_t>(reversed.size() - length),
                       reversed.rend());
}

// The boxes of a decimal row in the order they are worked, the comma's left out.
int DigitIndex(int box) {
    return box <= 2 ? box - 1 : box - 2;
}
int BoxOfIndex(int index) {
    return index <= 1 ? index + 1 : index + 2;
}

// An addend lined up by its last digit: shifted right over the decimals it lacks.
Places LinedUpByLastDigit(const Places& p) {
    const int shift = p[1] >= 0 ? 0 : p[2] >= 0 ? 1 : 2;
    Places shifted;
    shifted.fill(-1);
    for (int k = 1; k <= 12; ++k) {
        if (k != 3 && p[At(k)] >= 0) {
            shifted[At(BoxOfIndex(DigitIndex(k) - shift))] = p[At(k)];
        }
    }
    return shifted;
}

// The character of a row in its k-th column from the right; a 0 left of its end.
char CharAt(std::string_view row, int k) {
    return k <= static_cast<int>(row.size()) ? row[row.size() - At(k)] : '0';
}

// The first column from the right where two rows differ; 0 where none does.
int FirstDifference(std::string_view a, std::string_view b) {
    const int columns = static_cast<int>(std::max(a.size(), b.size()));
    for (int k = 1; k <= columns; ++k) {
        if (CharAt(a, k) != CharAt(b, k)) {
            return k;
        }
    }
    return 0;
}

// Hands `f` every row the mistake's procedure writes, one per way of making it, until `f`
// returns true; a way that writes the right row, or a row handed already, is left out.
template <typename F>
void ForEachSumRow(const Addends& a, const std::string& right, Mistake m, F f) {
    std::vector<std::string> handed;
    bool done = false;
    const auto hand = [&](const std::string& row) {
        if (!done && FirstDifference(row, right) != 0 &&
            std::find(handed.begin(), handed.end(), row) == handed.end()) {
            handed.push_back(row);
            done = f(row);
        }
    };
    const int last = LastDigitBox(a);
    switch (m) {
    case Mistake::CarryNotAdded:
    case Mistake::SwappedDigits:
    case Mistake::CarryOfOne:
        // Made once, in any column, or every time.
        for (int k = 1; k <= last; ++k) {
            if (!(a.decimal && k == 3)) {
                hand(Work(a, {m, k}));
            }
        }
        hand(Work(a, {m, 0}));
        if (m == Mistake::CarryNotAdded) {
            hand(Work(a, {m, 0, false}));
        }
        break;
    case Mistake::WholeColumnSum:
        hand(Work(a, {m, 0}));
        break;
    case Mistake::DecimalsNotLinedUp:
        if (a.decimal) {
            Addends all = a;
            for (std::size_t i = 0; i < a.rows.size(); ++i) {
                Addends one = a;
                one.rows[i] = LinedUpByLastDigit(a.rows[i]);
                all.rows[i] = one.rows[i];
                hand(Work(one, {}));
            }
            hand(Work(all, {}));
        }
        break;
    case Mistake::CommaAsDigit:
        if (a.decimal) {
            hand(Work(a, {m, 0}));
        }
        break;
    case Mistake::ChangeReversed:
    case Mistake::ChangeSmallerFromLarger:
    case Mistake::ChangeOffByCarry:
        break;
    }
}

// ------------------------------------------------------------------------- the change
// An amount's digits from its smallest place (ten-thousandths) up.
std::vector<int> DigitsOf(Amount a) {
    std::vector<int> digits;
    const auto magnitude =
        a < 0 ? 0 - static_cast<std::uint64_t>(a) : static_cast<std::uint64_t>(a);
    for (std::uint64_t rest = magnitude; rest > 0; rest /= 10) {
        digits.push_back(static_cast<int>(rest % 10));
    }
    return digits;
}

int DigitAt(const std::vector<int>& digits, std::size_t place) {
    return place < digits.size() ? digits[place] : 0;
}

Amount Power10(std::size_t place) {
    Amount p = 1;
    while (place-- > 0) {
        p *= 10;
    }
    return p;
}

// The change as written subtraction works it: the larger amount less the smaller, place by
// place, borrowing 1 from the next place where a digit is too small. `unpaid`: the place
// whose borrow is not paid back by the place after it. The places that borrowed go to
// `borrowed`.
constexpr std::size_t kAllPaidBack = std::string::npos;
Amount Subtract(Amount paid, Amount total, std::size_t unpaid, std::vector<std::size_t>* borrowed) {
    const bool negative = paid < total;
    const std::vector<int> top = DigitsOf(negative ? total : paid);
    const std::vector<int> bottom = DigitsOf(negative ? paid : total);
    Amount result = 0;
    int borrow = 0;
    const std::size_t places = std::max(top.size(), bottom.size());
    for (std::size_t p = 0; p < places; ++p) {
        int digit = DigitAt(top, p) - (unpaid != kAllPaidBack && p == unpaid + 1 ? 0 : borrow);
        borrow = 0;
        if (digit < DigitAt(bottom, p)) {
            digit += 10;
            borrow = 1;
            if (borrowed != nullptr) {
                borrowed->push_back(p);
            }
        }
        result += (digit - DigitAt(bottom, p)) * Power10(p);
    }
    return negative ? -result : result;
}

std::vector<std::string> ChangeRows(const ExerciseState& ex, Mistake m) {
    std::vector<Amount> values;
    switch (m) {
    case Mistake::ChangeReversed:
        values.push_back(ex.Total - ex.Paid);
        break;
    case Mistake::ChangeSmallerFromLarger: {
        const std::vector<int> paid = DigitsOf(ex.Paid);
        const std::vector<int> total = DigitsOf(ex.Total);
        Amount value = 0;
        for (std::size_t p = 0; p < std::max(paid.size(), total.size()); ++p) {
            value += std::abs(DigitAt(paid, p) - DigitAt(total, p)) * Power10(p);
        }
        values.push_back(value);
        break;
    }
    case Mistake::ChangeOffByCarry: {
        std::vector<std::size_t> borrowed;
        Subtract(ex.Paid, ex.Total, kAllPaidBack, &borrowed);
        for (const std::size_t p : borrowed) {
            values.push_back(Subtract(ex.Paid, ex.Total, p, nullptr));
        }
        break;
    }
    default:
        break;
    }
    std::vector<std::string> rows;
    for (const Amount v : values) {
        const std::string row = FormatPlain(v);
        if (v != ex.Change && std::find(rows.begin(), rows.end(), row) == rows.end()) {
            rows.push_back(row);
        }
    }
    return rows;
}

// A change's place (0 the ten-thousandths, 2 the hundredths) as a column of the decimal
// sum row; below the hundredths, which money has no smaller, the hundredths.
int ColumnOfPlace(std::size_t place) {
    return place <= 2 ? 1 : place == 3 ? 2 : static_cast<int>(place);
}

// The column on the right of `column`, over the comma in a decimal row.
int Before(int column, bool decimal) {
    if (column <= 1) {
        return 0;
    }
    return decimal && (column == 3 || column == 4) ? 2 : column - 1;
}

void DiagnoseChange(const ExerciseState& ex, std::string_view typed, Diagnosis& d) {
    const std::optional<Amount> value = ReadNumber(typed);
    if (!value) {
        d.Unreadable = true;
        return;
    }
    if (*value == ex.Change) {
        return;
    }
    const std::vector<int> got = DigitsOf(*value);
    const std::vector<int> right = DigitsOf(ex.Change);
    for (std::size_t p = 0; p < std::max(got.size(), right.size()) && d.Column == 0; ++p) {
        if (DigitAt(got, p) != DigitAt(right, p)) {
            d.Column = ColumnOfPlace(p);
        }
    }
    // The same digits with the other sign: the column where the sign stands.
    if (d.Column == 0) {
        d.Column = ColumnOfPlace(std::max<std::size_t>(right.size(), 1) - 1);
    }
    d.From = Before(d.Column, true);
    for (const Mistake m :
         {Mistake::ChangeReversed, Mistake::ChangeSmallerFromLarger, Mistake::ChangeOffByCarry}) {
        for (const std::string& row : ChangeRows(ex, m)) {
            if (ReadNumber(row) == value) {
                d.Mistakes.push_back(m);
                break;
            }
        }
    }
}

} // namespace

bool Diagnosis::Explains(Mistake m) const {
    return std::find(Mistakes.begin(), Mistakes.end(), m) != Mistakes.end();
}

std::optional<Mistake> Diagnosis::Only() const {
    return Mistakes.size() == 1 ? std::optional<Mistake>(Mistakes.front()) : std::nullopt;
}

std::string RightRow(const ExerciseState& ex, RowKind row) {
    if (row == RowKind::Change) {
        return FormatPlain(ex.Change);
    }
    std::string text;
    for (int k = 14; k >= 1; --k) {
        if (ex.ExpectedChar[At(k)] != ' ') {
            text += ex.ExpectedChar[At(k)];
        }
    }
    return text;
}

std::vector<std::string> MistakenRows(const ExerciseState& ex, int addends, RowKind row,
                                      Mistake m) {
    if (row == RowKind::Change) {
        return ChangeRows(ex, m);
    }
    const Addends a = ReadAddends(ex, addends, row == RowKind::Decimal);
    std::vector<std::string> rows;
    ForEachSumRow(a, RightRow(ex, row), m, [&rows](const std::string& r) {
        rows.push_back(r);
        return false;
    });
    return rows;
}

Diagnosis Diagnose(const ExerciseState& ex, int addends, RowKind row, std::string_view typed) {
    Diagnosis d;
    d.Row = row;
    if (row == RowKind::Change) {
        DiagnoseChange(ex, typed, d);
        return d;
    }
    const bool decimal = row == RowKind::Decimal;
    const std::string right = RightRow(ex, row);
    d.Column = FirstDifference(typed, right);
    if (d.Column == 0) {
        return d;
    }
    d.From = Before(d.Column, decimal);
    const Addends a = ReadAddends(ex, addends, decimal);
    for (int k = 0; k < MistakeCount; ++k) {
        const auto m = static_cast<Mistake>(k);
        ForEachSumRow(a, right, m, [&](const std::string& mistaken) {
            const bool same = FirstDifference(mistaken, typed) == 0;
            if (same) {
                d.Mistakes.push_back(m);
            }
            return same;
        });
    }
    return d;
}

WorkedColumn WorkColumn(const ExerciseState& ex, int addends, bool decimal, int box) {
    WorkedColumn w;
    if (decimal && box == 3) {
        w.What = WorkedColumn::Kind::Comma;
        return w;
    }
    const Addends a = ReadAddends(ex, addends, decimal);
    const int last = LastDigitBox(a);
    // The carry that comes in, as the right procedure brings it.
    int carry = 0;
    for (int k = 1; k < box; ++k) {
        if (decimal && k == 3) {
            continue;
        }
        int sum = carry;
        for (const Places& p : a.rows) {
            sum += k <= 12 && p[At(k)] >= 0 ? p[At(k)] : 0;
        }
        carry = sum / 10;
    }
    if (box < 1 || (box > last && carry == 0)) {
        return w;
    }
    w.What = box > last ? WorkedColumn::Kind::CarryOnly : WorkedColumn::Kind::Digits;
    w.CarryIn = carry;
    w.Sum = carry;
    for (const Places& p : a.rows) {
        if (box <= 12 && p[At(box)] >= 0) {
            w.Digits.push_back(p[At(box)]);
            w.Sum += p[At(box)];
        }
    }
    w.Written = w.Sum % 10;
    w.CarryOut = w.Sum / 10;
    return w;
}
