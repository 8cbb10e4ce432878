// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ladder.h"

#include <algorithm>

const std::array<LadderLevel, LadderLevelCount>& LadderLevels() {
    // New ideas come on their own first: the carry in two small numbers, then in larger
    // ones, then in more of them, then a column of 20; decimals start again from two
    // numbers without a carry.
    static const std::array<LadderLevel, LadderLevelCount> levels{{
        {2, 20, false, CarryProfile::None},
        {2, 20, false, CarryProfile::Carry},
        {2, 100, false, CarryProfile::None},
        {2, 100, false, CarryProfile::Carry},
        {3, 100, false, CarryProfile::Carry},
        {3, 1000, false, CarryProfile::Double},
        {5, 1000, false, CarryProfile::Double},
        {2, 100, true, CarryProfile::None},
        {2, 100, true, CarryProfile::Carry},
        {4, 100, true, CarryProfile::Free},
        {8, 100, true, CarryProfile::Free},
        {12, 100, true, CarryProfile::Free},
    }};
    return levels;
}

LadderLevel PinnedLevel(int level, const LadderPins& pins) {
    LadderLevel l =
        LadderLevels()[static_cast<std::size_t>(std::clamp(level, 1, LadderLevelCount) - 1)];
    l.Addends = pins.Addends.value_or(l.Addends);
    l.MaxValue = pins.MaxValue.value_or(l.MaxValue);
    l.Decimal = pins.Decimal.value_or(l.Decimal);
    l.Carries = pins.Carries.value_or(l.Carries);
    return l;
}

Ladder::Ladder(const LadderSetup& setup)
    : level_(std::clamp(setup.Start, 1, LadderLevelCount)), fixed_(setup.Fixed), pins_(setup.Pins) {
}

int Ladder::RightInWindow() const {
    return static_cast<int>(std::count(window_.begin(), window_.end(), true));
}

Ladder::Step Ladder::Record(bool right) {
    window_.push_back(right);
    if (static_cast<int>(window_.size()) > Window) {
        window_.pop_front();
    }
    if (fixed_) {
        return Step::Stay;
    }
    const int rights = RightInWindow();
    const int wrongs = JudgedInWindow() - rights;
    Step step = Step::Stay;
    if (rights >= RightToClimb && level_ < LadderLevelCount) {
        step = Step::Up;
        ++level_;
    } else if (wrongs >= WrongToDescend && level_ > 1) {
        step = Step::Down;
        --level_;
    }
    if (step != Step::Stay) {
        window_.clear();
    }
    return step;
}
