// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct ExerciseState;

// What a teacher asks of the carrying in classic and decimal exercises. The receipt's
// lines come from the shop's catalogue and take no profile.
enum class CarryProfile {
    Free,   // the draw as it has always been ("vrij")
    None,   // no column sum reaches 10 ("zonder")
    Carry,  // at least one carry into a column that holds digits ("met")
    Double, // at least one column sum of 20 or more ("dubbel")
};

// The profile's name in a school's preset file: "vrij", "zonder", "met", "dubbel".
std::string_view CarryProfileName(CarryProfile profile);
// The profile a name stands for, blanks around it and letter case aside; nullopt for any
// other text.
std::optional<CarryProfile> CarryProfileNamed(std::string_view name);

// How an exercise's columns carry, as the pupil works them from right to left. A column's
// sum is its digits plus the carry it receives (in decimal mode the tenths pass theirs
// over the comma straight into the units).
struct CarryFacts {
    bool AnyCarry = false;        // some column sum reaches 10
    bool CarryIntoDigits = false; // a carry lands in a column where an addend has a digit
    int LargestColumnSum = 0;
};

// The facts of an exercise whose digits and carries ComputeDigitsAndCarries has filled,
// read from the amount texts of its n active lines.
CarryFacts MeasureCarries(const ExerciseState& ex, int n, bool decimal);

bool ProfileHolds(CarryProfile profile, const CarryFacts& facts);

// Whether any classic exercise of n addends (2..12) with whole parts from 1 to maxValue
// (below 1: 1) fits the profile. Each addend is at least 1, so "zonder" cannot hold for
// ten or more addends of one digit; "met" needs an addend of two digits beside a carry
// (or, with decimals, the tenths carry into the units); "dubbel" needs three addends,
// whose digits can reach 20 in one column.
bool CarryProfilePossible(CarryProfile profile, int n, int maxValue, bool decimal);
