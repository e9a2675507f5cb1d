#include "exercises/RandomSource.h"

#include <gtest/gtest.h>

#include <set>

namespace ordel::test {

// SplitMix64 gives the reference sequence from state 0, its default. Reseeding
// before every value, with the clock frozen so that every reseed falls within
// one tick, the values cover exactly 1..k (with 20 draws a value, one missed is
// a chance below 1e-4), and 1000 pairs drawn all differ but for a chance below
// 0.2 %.
TEST(Random, givesTheReferenceSequenceAndExactlyOneToKWithDifferentSeedsWithinATick) {
    SplitMix64 engine;
    EXPECT_EQ(engine(), 0xe220a8397b1dcdafULL);
    EXPECT_EQ(engine(), 0x6e789e6aa1b965f4ULL);
    ClockSeededRandom random(+[]() -> std::uint64_t { return 123456789; });
    for (int k : {9, 99, 999, 20999}) {
        std::set<int> seen;
        for (int i = 0; i < 20 * k; ++i, random.reseed())
            seen.insert(random.uniform(k));
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(k));
        EXPECT_EQ(std::pair(*seen.begin(), *seen.rbegin()), std::pair(1, k));
    }
    std::set<std::pair<int, int>> pairs;
    for (int i = 0; i < 1000; ++i, random.reseed())
        pairs.emplace(random.uniform(20999), random.uniform(20999));
    EXPECT_GE(pairs.size(), 999U);
}

} // namespace ordel::test
