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

// Draws k * drawsPerValue values from 1..k, reseeding before each as the
// draws do, and returns how often each value came.
std::vector<int> tally(ClockSeededRandom& random, int k, int drawsPerValue) {
    std::vector<int> seen(static_cast<std::size_t>(k) + 1, 0);
    for (long i = 0; i < static_cast<long>(k) * drawsPerValue; ++i) {
        random.reseed();
        const int value = random.uniform(k);
        if (value < 1 || value > k) {
            ADD_FAILURE() << value << " outside 1.." << k;
            return seen;
        }
        ++seen[static_cast<std::size_t>(value)];
    }
    return seen;
}

TEST(SplitMix64, matchesTheReferenceSequence) {
    SplitMix64 engine(0);
    EXPECT_EQ(engine(), 0xe220a8397b1dcdafULL);
    EXPECT_EQ(engine(), 0x6e789e6aa1b965f4ULL);
    EXPECT_EQ(engine(), 0x06c45d188009454fULL);
}

class EachFactor : public ::testing::TestWithParam<int> {};

// With the clock frozen, so that every reseed falls within one tick, the
// values are still spread evenly over 1..k. Pearson's statistic has k - 1
// degrees of freedom: mean k - 1, deviation sqrt(2(k - 1)); six deviations is
// far beyond chance for a fixed seed. A value that never came, or came less
// than half as often as it should, is a fault however small its share of the
// statistic.
TEST_P(EachFactor, everyValueFromOneToKComesEquallyOften) {
    const int k = GetParam();
    constexpr int kPerValue = 100;
    ClockSeededRandom random(&frozenClock, 42);
    const std::vector<int> seen = tally(random, k, kPerValue);

    double statistic = 0;
    for (int v = 1; v <= k; ++v) {
        const int count = seen[static_cast<std::size_t>(v)];
        ASSERT_GE(count, kPerValue / 2) << "value " << v << " of 1.." << k;
        const double d = count - kPerValue;
        statistic += d * d / kPerValue;
    }
    const double dof = k - 1;
    EXPECT_LT(statistic, dof + 6 * std::sqrt(2 * dof));
    EXPECT_EQ(seen[0], 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, EachFactor, ::testing::Values(9, 99, 999, 20999));

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
