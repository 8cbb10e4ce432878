#pragma once

#include "engine/random.h"

#include <deque>
#include <initializer_list>
#include <stdexcept>
#include <string>

// A random source whose draws a test writes down in advance. Running out of draws,
// or a draw that does not fit the range asked for, fails loudly.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<int> draws) : draws_(draws) {}

    void Push(std::initializer_list<int> draws) { draws_.insert(draws_.end(), draws); }
    void Push(int draw) { draws_.push_back(draw); }
    bool Empty() const { return draws_.empty(); }
    std::size_t Left() const { return draws_.size(); }
    int Reseeds() const { return reseeds_; }

    void Reseed() override { ++reseeds_; }
    int rnd(int n) override {
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
};
