// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/exercise.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where a wrong answer went wrong, and why. A pupil's mistakes in written addition are
// mostly systematic: a procedure done wrong the same way (the carry forgotten, the whole
// column sum written down, ...). Each mistake here is that faulty procedure, worked on the
// exercise's own addends column by column; a row is explained by a mistake when the
// procedure writes exactly that row. A wrong row no mistake writes is a slip, and only
// its column is told.

// What is judged: the sum row of whole numbers, the sum row with the decimal comma in
// box 3, or the change worked out in the head on a receipt.
enum class RowKind { Classic, Decimal, Change };

enum class Mistake {
    // A carry not added to the column it goes to: forgotten, or written and not added
    // (the row cannot tell them apart); in one column, or in all.
    CarryNotAdded,
    // Every column's sum written whole under it, no carry at all: 256 + 178 as 3 12 14.
    WholeColumnSum,
    // The carry written down and the units digit carried (12: 1 written, 2 carried).
    SwappedDigits,
    // A carry of 1 where the column's sum was 20 or more.
    CarryOfOne,
    // With decimals: an addend lined up by its last digit instead of by its comma.
    DecimalsNotLinedUp,
    // With decimals: the comma's column added as a column of digits, which takes the
    // carry of the tenths.
    CommaAsDigit,
    // The change worked out as the total minus the amount paid.
    ChangeReversed,
    // The change worked out column by column, the smaller digit always taken from the
    // larger, never borrowing.
    ChangeSmallerFromLarger,
    // The change off by exactly one column's carry: 1 borrowed in a column and not paid
    // back in the next.
    ChangeOffByCarry,
};
inline constexpr int MistakeCount = 9;

struct Diagnosis {
    RowKind Row = RowKind::Classic;
    // The rightmost wrong column, counted from the right as the sum boxes are: 1 is Tot1.
    // A change's columns are counted as those of a sum row with decimals: 1 the
    // hundredths, 2 the tenths, 4 the units, 5 the tens, ... 0: nothing is wrong, or a
    // change that is no number.
    int Column = 0;
    // The column before it, on its right, where a carry or a borrow comes from (the tenths
    // before the units, over the comma); 0 where there is none.
    int From = 0;
    // A change that cannot be read as a number.
    bool Unreadable = false;
    // Every mistake whose procedure writes the row exactly, in the order of Mistake.
    std::vector<Mistake> Mistakes;

    bool Explains(Mistake m) const;
    // The mistake, when exactly one explains the row.
    std::optional<Mistake> Only() const;
};

// The row as the pupil left it: for a sum row, the boxes read as the check reads them
// (AssembleSum: Tot14 first, each box's whole text, an empty box a 0); for the change,
// the text of the change field. A sum row is compared column by column from the right,
// a 0 standing for every column left of the row's end, so leading zeros count for
// nothing. A row longer or shorter than the right one is compared the same way: the
// whole column sums of 256 + 178 read 31214 (as typed into the units box after a click,
// which keeps what it is given), five columns against the three of 434.
// `addends` is the number of addends (2..12), as the draw took it.
Diagnosis Diagnose(const ExerciseState& ex, int addends, RowKind row, std::string_view typed);

// The row the right procedure writes: the total text without its blanks, or, for the
// change, the change in FormatPlain.
std::string RightRow(const ExerciseState& ex, RowKind row);

// Every row the mistake's procedure writes, one per way of making it (in one column, in
// every column, with one addend shifted or all of them), each as the pupil would leave it
// (sum rows as AssembleSum reads typed boxes, changes as typed); a way that writes the
// right row is left out. Empty where the mistake does not belong to the row (a change
// mistake on a sum row, decimals on a classic one).
std::vector<std::string> MistakenRows(const ExerciseState& ex, int addends, RowKind row, Mistake m);

// One column of the sum worked out as on paper: the digits standing in it, top to bottom,
// the carry that comes in, their sum, the digit written and the carry going on.
struct WorkedColumn {
    enum class Kind {
        Digits,    // the column holds digits
        CarryOnly, // left of every digit: only the carry is written
        Comma,     // the decimal comma's column
        Nothing,   // left of the sum: nothing is written
    };
    Kind What = Kind::Nothing;
    std::vector<int> Digits;
    int CarryIn = 0;
    int Sum = 0;
    int Written = 0;
    int CarryOut = 0;
};
WorkedColumn WorkColumn(const ExerciseState& ex, int addends, bool decimal, int box);
