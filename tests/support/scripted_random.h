#pragma once

#include "engine/random.h"

#include <deque>
#include <initializer_list>
#include <random>
#include <stdexcept>
#include <string>

// A random source whose draws a test writes down in advance. A draw that does not fit
// the range asked for fails loudly, and so does running out of draws, unless the test
// allows the rest to come from a fixed-seed generator (window tests, where only some
// draws matter and an exception must not cross the event loop).
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<int> draws) : draws_(draws) {}

    // After the script, draw from a fixed-seed generator instead of failing.
    void AllowUnscripted() { unscripted_ = true; }

    void Push(std::initializer_list<int> draws) { draws_.insert(draws_.end(), draws); }
    void Push(int draw) { draws_.push_back(draw); }
    bool Empty() const { return draws_.empty(); }
    std::size_t Left() const { return draws_.size(); }
    int Reseeds() const { return reseeds_; }

    void Reseed() override { ++reseeds_; }
    int rnd(int n) override {
        if (draws_.empty() && unscripted_) {
            return std::uniform_int_distribution<int>(0, n - 1)(fallback_);
        }
        if (draws_.empty()) {
            throw std::logic_error("scripted random: no draw left for rnd(" + std::to_string(n) +
                                   ")");
        }
        const int d = draws_.front();
        draws_.pop_front();
        if (d < 0 || d >= n) {
            throw std::logic_error("scripted random: draw " + std::to_string(d) +
                                   " out of range for rnd(" + std::to_string(n) + ")");
        }
        return d;
    }

private:
    std::deque<int> draws_;
    int reseeds_ = 0;
    bool unscripted_ = false;
    std::mt19937 fallback_{12345};
};
