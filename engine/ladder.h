// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/carries.h"

#include <array>
#include <deque>
#include <optional>

// A ladder of levels a pupil climbs as the exercises go right, and steps down when they
// go wrong: each level is a number of addends, their largest value, decimals or not, and
// a carry profile.
struct LadderLevel {
    int Addends = 2;
    int MaxValue = 100;
    bool Decimal = false;
    CarryProfile Carries = CarryProfile::Free;

    bool operator==(const LadderLevel&) const = default;
};

inline constexpr int LadderLevelCount = 12;

// Level 1 is LadderLevels()[0], from "2 getallen tot 20, zonder overdracht" to "12
// getallen met komma".
const std::array<LadderLevel, LadderLevelCount>& LadderLevels();

// What the school has locked of the settings a level gives: that part of every level is
// the school's value.
struct LadderPins {
    std::optional<int> Addends;
    std::optional<int> MaxValue;
    std::optional<bool> Decimal;
    std::optional<CarryProfile> Carries;
};

// Level `level` (1..LadderLevelCount) as the pupil gets it: with the school's pins.
LadderLevel PinnedLevel(int level, const LadderPins& pins);

struct LadderSetup {
    int Start = 1;      // the level of the first exercise, 1..LadderLevelCount
    bool Fixed = false; // the pupil stays at the start level
    LadderPins Pins;
};

// The stepping. Every exercise judged adds to a window of the last 10: with 8 right in it
// the next exercise comes from the level above, with 5 wrong (so at most 5 right of 10)
// from the level below. Both are decided as soon as the window holds them, which is
// before it is full only when no result still to come could change the outcome. A step
// empties the window, so the new level is judged on its own exercises and one step never
// brings another; at the first or last level the window keeps sliding and nothing moves.
class Ladder {
public:
    static constexpr int Window = 10;
    static constexpr int RightToClimb = 8;
    static constexpr int WrongToDescend = 5;

    explicit Ladder(const LadderSetup& setup);

    int Level() const { return level_; }
    // The current level with the school's pins.
    LadderLevel Settings() const { return PinnedLevel(level_, pins_); }
    bool Fixed() const { return fixed_; }

    enum class Step { Stay, Up, Down };
    // One exercise judged, right or not.
    Step Record(bool right);
    int RightInWindow() const;
    int JudgedInWindow() const { return static_cast<int>(window_.size()); }

private:
    int level_ = 1;
    bool fixed_ = false;
    LadderPins pins_;
    std::deque<bool> window_;
};
