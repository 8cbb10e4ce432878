// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/random.h"

#include <cstdint>
#include <random>

// Draws from one fixed seed, whatever the program asks to reseed, and keeps a fingerprint
// of every draw asked for (the range and the number drawn, in order), so a test can tell
// that a draw took the same numbers in the same order as before. Tests that draw millions
// of numbers and need no fingerprint leave it out (`fingerprint` false).
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed, bool fingerprint = true)
        : engine_(seed), fingerprinting_(fingerprint) {}
    void Reseed() override {}
    int rnd(int n) override {
        const int d = n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(engine_);
        if (fingerprinting_) {
            Mix(static_cast<std::uint64_t>(n));
            Mix(static_cast<std::uint64_t>(d));
        }
        ++draws_;
        return d;
    }
    std::uint64_t Fingerprint() const { return fingerprint_; }
    std::uint64_t Draws() const { return draws_; }

private:
    // FNV-1a over the 64-bit words.
    void Mix(std::uint64_t word) {
        for (int i = 0; i < 8; ++i) {
            fingerprint_ ^= (word >> (8 * i)) & 0xff;
            fingerprint_ *= 0x100000001b3ull;
        }
    }
    std::mt19937_64 engine_;
    bool fingerprinting_ = true;
    std::uint64_t fingerprint_ = 0xcbf29ce484222325ull;
    std::uint64_t draws_ = 0;
};
