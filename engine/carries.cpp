// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/carries.h"

#include "engine/exercise.h"
#include "engine/settings.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr std::array<std::pair<CarryProfile, std::string_view>, 4> kNames{{
    {CarryProfile::Free, "vrij"},
    {CarryProfile::None, "zonder"},
    {CarryProfile::Carry, "met"},
    {CarryProfile::Double, "dubbel"},
}};

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

std::string_view CarryProfileName(CarryProfile profile) {
    for (const auto& [p, name] : kNames) {
        if (p == profile) {
            return name;
        }
    }
    return {};
}

std::optional<CarryProfile> CarryProfileNamed(std::string_view name) {
    std::string lower = TrimSettingText(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& [p, n] : kNames) {
        if (n == lower) {
            return p;
        }
    }
    return std::nullopt;
}

CarryFacts MeasureCarries(const ExerciseState& ex, int n, bool decimal) {
    // Which columns hold a digit of some addend (the Digits table cannot tell a 0 from
    // an empty place).
    std::array<bool, 13> holds{};
    for (int j = FirstLineInUse(n); j <= 12; ++j) {
        const std::string& text = ex.Lines[At(j)].AmountText;
        const int length = static_cast<int>(text.size());
        for (int p = 1; p <= length; ++p) {
            const char c = text[At(p - 1)];
            const int column = 12 - length + p;
            if (c >= '0' && c <= '9' && column >= 1) {
                holds[At(column)] = true;
            }
        }
    }
    CarryFacts facts;
    for (int c = 12; c >= 1; --c) {
        if (decimal && c == 10) {
            continue; // the comma's column: the tenths' carry passes over it
        }
        int sum = c == 12 ? 0 : (decimal && c == 9) ? ex.Carry[11] : ex.Carry[At(c + 1)];
        for (int j = 1; j <= 12; ++j) {
            sum += ex.Digits[At(j)][At(c)];
        }
        facts.LargestColumnSum = std::max(facts.LargestColumnSum, sum);
        if (sum >= 10) {
            facts.AnyCarry = true;
            const int into = (decimal && c == 11) ? 9 : c - 1;
            facts.CarryIntoDigits = facts.CarryIntoDigits || (into >= 1 && holds[At(into)]);
        }
    }
    return facts;
}

bool ProfileHolds(CarryProfile profile, const CarryFacts& facts) {
    switch (profile) {
    case CarryProfile::Free:
        return true;
    case CarryProfile::None:
        return !facts.AnyCarry;
    case CarryProfile::Carry:
        return facts.CarryIntoDigits;
    case CarryProfile::Double:
        return facts.LargestColumnSum >= 20;
    }
    return false;
}

bool CarryProfilePossible(CarryProfile profile, int n, int maxValue, bool decimal) {
    n = std::clamp(n, MinAddends, MaxAddends);
    const int m = std::max(maxValue, 1);
    switch (profile) {
    case CarryProfile::Free:
        return true;
    case CarryProfile::None:
        // Nine addends of 1 fill the units; every further place (10, 100, ...) takes nine more.
        return m >= 10 || n <= 9;
    case CarryProfile::Carry:
        // 11 + 9, or 10 + 9 + 9; with decimals 0,5 + 0,5 carries into the units.
        return decimal || m >= 11 || (m == 10 && n >= 3);
    case CarryProfile::Double:
        // 9 + 9 + 1 is the most two addends' column can hold.
        return n >= 3 && (decimal || n * std::min(m, 9) >= 20);
    }
    return false;
}
