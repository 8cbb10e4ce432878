#include "engine/random.h"

#include <chrono>

ClockRandom::ClockRandom() {
    Reseed();
}

void ClockRandom::Reseed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint64_t>(ticks));
}

int ClockRandom::rnd(int n) {
    if (n <= 1) {
        return 0;
    }
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}
