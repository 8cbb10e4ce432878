#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Every money value, addend, total and quantity: a signed count of ten-thousandths,
// so 12,5 is held as 125000. Decimal texts always use "," whatever the locale.
using Amount = std::int64_t;

inline constexpr Amount AmountScale = 10000;

// Whole euros (or units) as an Amount.
constexpr Amount Whole(std::int64_t units) {
    return units * AmountScale;
}

// The value with its fraction dropped toward zero.
constexpr Amount WholePart(Amount a) {
    return a / AmountScale * AmountScale;
}

// n / d rounded to the nearest whole number, ties to even; d > 0. Wide enough for the
// product of two Amounts.
constexpr __int128 DivideHalfEven(__int128 n, __int128 d) {
    __int128 q = n / d;
    const __int128 r = n % d;
    const __int128 twice = (r < 0 ? -r : r) * 2;
    if (twice > d || (twice == d && q % 2 != 0)) {
        q += n < 0 ? -1 : 1;
    }
    return q;
}

// Shortest text: no thousands separator, "," and the fraction without trailing zeros;
// a negative value (a change can be one) begins with "-": -12,5.
std::string FormatPlain(Amount a);
// FormatPlain completed to two decimals: 12,50 / 12,00 / 3,75.
std::string FormatTwoDecimals(Amount a);
// FormatPlain completed with blanks so that decimal addends line up at the comma:
// "12,5 " / "12   " / "3,75".
std::string FormatAligned(Amount a);

// Reads a typed number: optional blanks, optional sign, digits with at most one
// decimal comma, optional exponent (E or e with an optionally signed whole number),
// optional blanks. The value is taken exactly in decimal and rounded to the nearest
// ten-thousandth, ties to even. Anything else, and any value whose magnitude is too
// large for an Amount, gives nullopt. A comma may open or close the digits (",5", "5,")
// as long as there is a digit; "." is not a decimal sign here.
std::optional<Amount> ReadNumber(std::string_view text);
