#include "exercises/RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace ordel::test {
namespace {

std::uint64_t frozenClock() {
    return 123456789;
}

TEST(SplitMix64, matchesTheReferenceSequence) {
    SplitMix64 engine(0);
    EXPECT_EQ(engine(), 0xe220a8397b1dcdafULL);
    EXPECT_EQ(engine(), 0x6e789e6aa1b965f4ULL);
    EXPECT_EQ(engine(), 0x06c45d188009454fULL);
}

// Reseeding before every value, with the clock frozen so that every reseed
// falls within one tick: each value of 1..k still comes equally often.
// Pearson's statistic has mean k - 1 and deviation sqrt(2(k - 1)); six
// deviations is far beyond chance for this fixed seed. A value that came less
// than half as often as it should is a fault however little it adds to it.
TEST(ClockSeededRandom, everyValueFromOneToKComesEquallyOften) {
    constexpr int kPerValue = 100;
    for (int k : {9, 99, 999, 20999}) {
        ClockSeededRandom random(&frozenClock, 42);
        std::vector<int> seen(static_cast<std::size_t>(k) + 2, 0);
        for (long i = 0; i < static_cast<long>(k) * kPerValue; ++i) {
            random.reseed();
            const int value = random.uniform(k);
            ASSERT_TRUE(value >= 1 && value <= k) << value;
            ++seen[static_cast<std::size_t>(value)];
        }
        double statistic = 0;
        for (int v = 1; v <= k; ++v) {
            const int count = seen[static_cast<std::size_t>(v)];
            ASSERT_GE(count, kPerValue / 2) << "value " << v << " of 1.." << k;
            statistic += (count - kPerValue) * (count - kPerValue) / double{kPerValue};
        }
        EXPECT_LT(statistic, (k - 1) + 6 * std::sqrt(2.0 * (k - 1))) << k;
    }
}

TEST(ClockSeededRandom, reseedsWithinOneTickStartFromDifferentPoints) {
    ClockSeededRandom random(&frozenClock);
    std::set<std::pair<int, int>> pairs;
    for (int i = 0; i < 1000; ++i) {
        random.reseed();
        const int a = random.uniform(20999);
        pairs.emplace(a, random.uniform(20999));
    }
    // 1000 independent pairs out of 20999^2 collide with a chance below 0.2 %.
    EXPECT_GE(pairs.size(), 999U);

    ClockSeededRandom later(+[]() -> std::uint64_t { return 123456790; });
    random = ClockSeededRandom(&frozenClock);
    int same = 0;
    for (int i = 0; i < 100; ++i) {
        random.reseed();
        later.reseed();
        same += random.uniform(20999) == later.uniform(20999) ? 1 : 0;
    }
    EXPECT_LT(same, 3) << "the next tick of the clock gives other values";
}

} // namespace
} // namespace ordel::test
