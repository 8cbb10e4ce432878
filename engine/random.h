#pragma once

#include <cstdint>
#include <random>

// The one source of chance. Production code reseeds it from the clock; tests hand
// the window a scripted source so that every draw is known.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Seeds again from the high-resolution clock.
    virtual void Reseed() = 0;
    // A whole number from 0 to n - 1, every value equally likely; n >= 1.
    virtual int rnd(int n) = 0;
};

class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    void Reseed() override;
    int rnd(int n) override;

private:
    std::mt19937_64 engine_;
};
