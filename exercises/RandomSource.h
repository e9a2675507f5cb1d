#pragma once

#include <cstdint>
#include <limits>

namespace ordel {

// Where the operands come from. The draw reseeds from the clock before every
// pair and then takes two values.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // A whole number from 1 to k (k >= 1), every value equally likely.
    virtual int uniform(int k) = 0;
};

// SplitMix64: 64 bits of state, a full period of 2^64 and good statistical
// quality, with a state small enough that a reseed costs next to nothing.
// It meets the standard's uniform random bit generator requirements, so
// std::uniform_int_distribution turns its output into exact integer ranges.
class SplitMix64 {
public:
    using result_type = std::uint64_t;
    explicit SplitMix64(std::uint64_t state = 0) : state_(state) {}
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return std::numeric_limits<result_type>::max(); }
    result_type operator()();
    void setState(std::uint64_t state) { state_ = state; }

private:
    std::uint64_t state_;
};

// The program's random source. A reseed starts the generator from the clock's
// reading combined with a count of reseeds, so reseeds that fall within one
// tick of the clock (hundreds of them in a single multiplication exercise)
// still start from different points.
class ClockSeededRandom final : public RandomSource {
public:
    using Clock = std::uint64_t (*)();
    static std::uint64_t steadyClock();

    explicit ClockSeededRandom(Clock clock = &steadyClock, std::uint64_t start = 0);
    void reseed() override;
    int uniform(int k) override;

private:
    Clock clock_;
    std::uint64_t start_;
    std::uint64_t reseeds_ = 0;
    SplitMix64 engine_;
};

} // namespace ordel
