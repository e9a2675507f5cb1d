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
    : clock_(clock), start_(start), engine_(start) {}

void ClockSeededRandom::reseed() {
    // mix is a bijection: for one clock reading, different reseed counts give
    // different starting states.
    engine_.setState(mix(clock_() ^ start_) ^ mix(++reseeds_));
}

int ClockSeededRandom::uniform(int k) {
    std::uniform_int_distribution<int> range(1, k);
    return range(engine_);
}

} // namespace ordel
