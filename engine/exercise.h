#pragma once

#include "engine/amount.h"
#include "engine/carries.h"
#include "engine/catalogue.h"
#include "engine/random.h"

#include <array>
#include <string>

// One addend: a plain number, or one line of a shop receipt.
struct ExerciseLine {
    std::string QuantityText; // receipt quantity with its unit; empty in classic mode
    std::string ArticleName;  // receipt article; empty in classic mode
    Amount LineAmount = 0;    // the addend's value
    std::string AmountText;   // the addend as shown, at most 12 characters
    std::string Unit;         // the unit QuantityText ends in; empty in classic mode
};

// Everything one exercise is judged against. The tables are indexed from 1, as the
// pupil counts lines, boxes and columns; element 0 is never used.
struct ExerciseState {
    std::array<ExerciseLine, 13> Lines{};         // lines 1..12, top to bottom
    Amount Total = 0;                             // sum of the active lines
    Amount Paid = 0;                              // amount paid in receipt mode
    Amount Change = 0;                            // Paid - Total
    std::array<char, 15> ExpectedChar{};          // box Tot1..Tot14; ' ' = box not needed
    std::array<std::array<int, 13>, 13> Digits{}; // [line 1..12][column 1..12]
    std::array<int, 14> Carry{};                  // carry out of column 1..13
};

// The settings a draw reads from the window.
struct AddendSettings {
    int N = 2;          // number of addends, 2..12
    int MaxValue = 100; // largest whole part of a classic addend
    bool Decimal = false;
    bool Receipt = false;
    bool Max100 = false; // receipt totals of at most 100
    // What the school asks of the carries; a receipt takes none.
    CarryProfile Carries = CarryProfile::Free;
};

// What a draw made of the carry profile it was given.
enum class ProfileDraw {
    NotAsked,   // no profile (Free), or a receipt
    Kept,       // the exercise fits the profile
    Impossible, // no exercise of these settings fits it: drawn as without a profile
};

// Draws the addends of a new exercise into lines 13 - N to 12 and sums them into Total.
// Reseeds the source first and clears every Used mark of the catalogue. Per line the
// draws come in a fixed order: the first value (a receipt line, or 1 to MaxValue), then
// the decimal fraction, then the small value of the maximum-100 setting. A MaxValue of 0
// or below is drawn as 1; N is taken within 2..12.
//
// Without a profile, and for a receipt, that is all, and the numbers drawn are always the
// same ones in the same order. With one, classic exercises are drawn so until one fits
// (a bounded number of times); should none, one is built to fit: drawn freely, then a
// few addends' digits chosen (a carry or a column of 20 planted), or, for "zonder", the
// addends drawn one by one, each within what the columns still take. Where no exercise
// of these settings fits (CarryProfilePossible), the draw is the one without a profile.
ProfileDraw DrawAddends(ExerciseState& ex, const AddendSettings& s, Catalogue& catalogue,
                        RandomSource& random);

// The amount paid for a receipt: the next multiple of 10 euros more than 1 euro above the
// total, at random raised by 10 to 50 euros, or, with max100, by a multiple of 10 up to 100.
Amount ChoosePaid(Amount total, bool max100, RandomSource& random);

// The total as the sum row must hold it: two decimals in decimal mode, blanks on the left
// up to 14 characters.
std::string TotalText(Amount total, bool decimal);

// ExpectedChar[k] := the k-th character of totalText from the right (Tot1 is the rightmost
// box); ' ' where the text has none.
void FillExpectedChars(ExerciseState& ex, const std::string& totalText);

// Digits of the active lines' amount texts, right-aligned in columns 1..12, and the carry
// every column passes on. In decimal mode the tenths' carry goes over the comma column 10
// straight into the units column 9, and Carry[10] is 0.
void ComputeDigitsAndCarries(ExerciseState& ex, int n, bool decimal);

// The top line in use for n addends: lines from here to 12 hold them. n is taken within
// 2..12, as the draw takes it.
int FirstLineInUse(int n);
