#include "engine/amount.h"

#include <cstdint>
#include <limits>

namespace {

constexpr std::uint64_t MaxMagnitude =
    static_cast<std::uint64_t>(std::numeric_limits<Amount>::max());

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The second-to-last character, or '\0' when the text is shorter.
char SecondToLast(const std::string& s) {
    return s.size() >= 2 ? s[s.size() - 2] : '\0';
}

} // namespace

std::string FormatPlain(Amount a) {
    // The magnitude is taken unsigned so that the most negative value has one too.
    const bool negative = a < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(a) : static_cast<std::uint64_t>(a);
    std::string text = negative ? "-" : "";
    text += std::to_string(magnitude / AmountScale);
    std::uint64_t fraction = magnitude % AmountScale;
    if (fraction != 0) {
        int digits = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        std::string fractionText = std::to_string(fraction);
        text += ',';
        text.append(static_cast<std::size_t>(digits) - fractionText.size(), '0');
        text += fractionText;
    }
    return text;
}

std::string FormatTwoDecimals(Amount a) {
    std::string text = FormatPlain(a);
    if (SecondToLast(text) == ',') {
        text += '0';
    }
    if (text.find(',') == std::string::npos) {
        text += ",00";
    }
    return text;
}

std::string FormatAligned(Amount a) {
    std::string text = FormatPlain(a);
    if (SecondToLast(text) == ',') {
        text += ' ';
    }
    if (text.find(',') == std::string::npos) {
        text += "   ";
    }
    return text;
}

std::optional<Amount> ReadNumber(std::string_view text) {
    std::size_t pos = 0;
    const std::size_t end = text.size();
    while (pos < end && IsBlank(text[pos])) {
        ++pos;
    }
    std::size_t last = end;
    while (last > pos && IsBlank(text[last - 1])) {
        --last;
    }

    bool negative = false;
    if (pos < last && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    // The mantissa's significant digits (leading zeros dropped) and how many of all its
    // digits stand after the comma. The value is then digits * 10^(exponent - fractionDigits).
    std::string digits;
    std::int64_t fractionDigits = 0;
    bool anyDigit = false;
    bool comma = false;
    for (; pos < last; ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            anyDigit = true;
            if (!digits.empty() || c != '0') {
                digits += c;
            }
            if (comma) {
                ++fractionDigits;
            }
        } else if (c == ',' && !comma) {
            comma = true;
        } else {
            break;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }

    // An exponent further from zero than the text is long decides nothing more: the value
    // is then certainly too large or certainly rounds to zero. Saturating there keeps the
    // arithmetic below far from overflow however many digits the exponent has.
    std::int64_t exponent = 0;
    if (pos < last && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < last && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        const std::int64_t limit = static_cast<std::int64_t>(text.size()) + 64;
        bool anyExponentDigit = false;
        for (; pos < last && IsDigit(text[pos]); ++pos) {
            anyExponentDigit = true;
            if (exponent < limit) {
                exponent = exponent * 10 + (text[pos] - '0');
            }
        }
        if (!anyExponentDigit) {
            return std::nullopt;
        }
        if (exponent > limit) {
            exponent = limit;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (pos != last) {
        return std::nullopt;
    }
    if (digits.empty()) {
        return Amount{0};
    }

    // In ten-thousandths the value is digits * 10^shift; it has wholeDigits digits before
    // its point.
    const std::int64_t shift = exponent - fractionDigits + 4;
    const std::int64_t length = static_cast<std::int64_t>(digits.size());
    const std::int64_t wholeDigits = length + shift;
    if (wholeDigits > 19) {
        return std::nullopt; // at least 10^19, beyond any Amount
    }

    std::uint64_t magnitude = 0;
    if (shift >= 0) {
        for (char c : digits) {
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        }
        for (std::int64_t i = 0; i < shift; ++i) {
            magnitude *= 10; // stays below 10^19, which fits unsigned 64 bits
        }
    } else {
        std::int64_t i = 0;
        for (; i < wholeDigits; ++i) {
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(digits[i] - '0');
        }
        // Round the dropped digits to nearest, ties to even. With wholeDigits below zero
        // the dropped part is below a tenth and rounds down.
        if (wholeDigits >= 0) {
            const char first = digits[static_cast<std::size_t>(i)];
            bool restNonZero = false;
            for (std::int64_t k = i + 1; k < length; ++k) {
                if (digits[static_cast<std::size_t>(k)] != '0') {
                    restNonZero = true;
                    break;
                }
            }
            if (first > '5' || (first == '5' && (restNonZero || magnitude % 2 == 1))) {
                ++magnitude;
            }
        }
    }
    if (magnitude > MaxMagnitude) {
        return std::nullopt;
    }
    const Amount value = static_cast<Amount>(magnitude);
    return negative ? -value : value;
}
