#include "RandomSource.h"

#include <chrono>
#include <random>

namespace ordel {

namespace {

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27U)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31U);
}

} // namespace

SplitMix64::result_type SplitMix64::operator()() {
    state_ += 0x9e3779b97f4a7c15ULL;
    return mix(state_);
}

std::uint64_t ClockSeededRandom::steadyClock() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

ClockSeededRandom::ClockSeededRandom(Clock clock, std::uint64_t start)
    : clock_(clock), engine_(start) {}

void ClockSeededRandom::reseed() {
    // The state keeps moving between reseeds (every value drawn advances it),
    // so mixing the same clock reading into it twice still gives two new,
    // different states.
    engine_.setState(mix(engine_.state() ^ clock_()));
}

int ClockSeededRandom::uniform(int k) {
    std::uniform_int_distribution<int> range(1, k);
    return range(engine_);
}

} // namespace ordel
