#include "exercises/RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

namespace ordel::test {
namespace {

std::uint64_t frozenClock() {
    return 123456789;
}

// Pearson's chi-square statistic of draws from 1..k against the uniform law.
double chiSquare(ClockSeededRandom& random, int k, int drawsPerValue) {
    std::vector<int> seen(static_cast<std::size_t>(k) + 1, 0);
    for (long i = 0; i < static_cast<long>(k) * drawsPerValue; ++i) {
        random.reseed();
        const int value = random.uniform(k);
        EXPECT_GE(value, 1);
        EXPECT_LE(value, k);
        if (value < 1 || value > k)
            return INFINITY;
        ++seen[static_cast<std::size_t>(value)];
    }
    double statistic = 0;
    for (int v = 1; v <= k; ++v) {
        const double d = seen[static_cast<std::size_t>(v)] - drawsPerValue;
        statistic += d * d / drawsPerValue;
    }
    return statistic;
}

TEST(SplitMix64, matchesTheReferenceSequence) {
    SplitMix64 engine(0);
    EXPECT_EQ(engine(), 0xe220a8397b1dcdafULL);
    EXPECT_EQ(engine(), 0x6e789e6aa1b965f4ULL);
    EXPECT_EQ(engine(), 0x06c45d188009454fULL);
}

class EachFactor : public ::testing::TestWithParam<int> {};

// Reseeding before every value, as the draws do, with the clock frozen: the
// values are still spread evenly over 1..k. With k - 1 degrees of freedom
// the statistic has mean k - 1 and deviation sqrt(2(k - 1)); six deviations
// is far beyond chance for a fixed seed, yet a biased or stuck draw exceeds it.
TEST_P(EachFactor, everyValueIsEquallyLikelyEvenWithTheClockFrozen) {
    const int k = GetParam();
    ClockSeededRandom random(&frozenClock, 42);
    const double dof = k - 1;
    EXPECT_LT(chiSquare(random, k, 100), dof + 6 * std::sqrt(2 * dof));
}

INSTANTIATE_TEST_SUITE_P(Modes, EachFactor, ::testing::Values(9, 99, 999, 20999));

TEST(ClockSeededRandom, bothEndsOfTheLargestRangeAreReached) {
    ClockSeededRandom random(&frozenClock, 7);
    bool lowest = false;
    bool highest = false;
    for (int i = 0; i < 2'000'000 && !(lowest && highest); ++i) {
        const int value = random.uniform(20999);
        lowest = lowest || value == 1;
        highest = highest || value == 20999;
    }
    EXPECT_TRUE(lowest);
    EXPECT_TRUE(highest);
}

TEST(ClockSeededRandom, reseedsWithinOneTickNeverRestartTheSequence) {
    ClockSeededRandom random(&frozenClock);
    std::set<std::pair<int, int>> pairs;
    for (int i = 0; i < 1000; ++i) {
        random.reseed();
        const int a = random.uniform(20999);
        pairs.emplace(a, random.uniform(20999));
    }
    // A restart at the same point would give the same pair every time; 1000
    // independent pairs out of 20999^2 collide with a probability below 0.2 %.
    EXPECT_GE(pairs.size(), 999U);
}

TEST(ClockSeededRandom, theClockEntersTheSeed) {
    ClockSeededRandom a(+[]() -> std::uint64_t { return 1000; });
    ClockSeededRandom b(+[]() -> std::uint64_t { return 1001; });
    int same = 0;
    for (int i = 0; i < 100; ++i) {
        a.reseed();
        b.reseed();
        same += a.uniform(20999) == b.uniform(20999) ? 1 : 0;
    }
    EXPECT_LT(same, 5);
}

} // namespace
} // namespace ordel::test
