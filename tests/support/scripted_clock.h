#pragma once

#include "timer/series.h"

// A clock the test moves by hand.
class ScriptedClock final : public SeriesClock {
public:
    std::chrono::milliseconds Now{0};
    std::chrono::milliseconds Monotonic() override { return Now; }
};
