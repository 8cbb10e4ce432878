#pragma once

#include "engine/amount.h"
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
};
