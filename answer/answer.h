#pragma once

#include "engine/amount.h"

#include <array>
#include <string>
#include <string_view>

// The rules of the sum row that need no window: what a box accepts and what the carry
// label shows.

// True unless the text is exactly one digit "0".."9", a comma "," or a point "." (the
// point is accepted because the box turns it into a comma).
bool IsRejectedEntry(std::string_view text);

// The carry that arrives in the column of sum box `box` (1..13) from the column on its
// right. In decimal mode box 3 is the comma, over which no carry stands, and the carry of
// the tenths passes over it into the units box 4.
int CarryIntoBox(const std::array<int, 14>& carry, int box, bool decimal);

// Whether the units box holds more than one character (UTF-8). It keeps a refused text for
// the pupil to see, yet one character wide it shows only the last: such a row is never
// right, whatever its characters read as.
bool HoldsMoreThanOneCharacter(std::string_view box);

// The texts of the sum boxes Tot1..Tot14 (element 0 unused); a hidden box is given as an
// empty text.
using SumBoxTexts = std::array<std::string, 15>;

// The sum row as one number text, Tot14 first, as the boxes show it: every box gives its
// whole text, and a box that is empty or holds a single blank counts as "0". With one
// character per box that is 14 characters.
std::string AssembleSum(const SumBoxTexts& boxes);

// The text with its first full stop made a decimal comma; later ones stay.
std::string FirstPointToComma(std::string text);
