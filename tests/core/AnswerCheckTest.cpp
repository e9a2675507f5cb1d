#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

namespace ordel::test {

// The counts are written into the answer boxes and joined, thousands first,
// without carrying. Leading empty rods are left out; at level "Iniciante" only
// the mode's rods are read. A wrong answer changes nothing else, however often
// it is checked; a right one clears the frame and the boxes and sets the next
// exercise of the same kind.
TEST(AnswerCheck, spellsTheAnswerFromTheCountsAndMovesOnWhenRight) {
    // A mode at level "Iniciante" whose draw is the number expected, or a
    // subtraction in mode "Milhar" at level "Avançado" whose result it is; the
    // counts; the number; whether the counts spell it.
    const std::tuple<const char*, std::array<int, 4>, int, bool> cases[] = {
        {"1", {0, 0, 0, 7}, 7, true},      {"3", {3, 1, 0, 5}, 105, true},
        {"2", {0, 0, 4, 12}, 52, false},   {"4", {13, 5, 0, 7}, 13507, true},
        {"4", {1, 35, 0, 7}, 13507, true}, {"1", {9, 9, 9, 3}, 3, true},
        {"2", {7, 5, 1, 3}, 13, true},     {"4", {20, 9, 9, 9}, 20999, true},
        {"3", {0, 0, 4, 2}, 42, true},     {"4", {0, 3, 0, 5}, 305, true},
        {"3", {5, 0, 0, 42}, 42, true},    {"3", {0, 0, 4, 0}, 40, true},
        {"3", {0, 3, 5, 0}, 305, false},   {"A4-", {0, 1, 0, 5}, 105, true},
        {"A4-", {1, 0, 0, 5}, 1005, true}, {"A4-", {0, 0, 1, 12}, 22, false},
        {"A4-", {0, 0, 0, 0}, 0, true},    {"A4-", {0, 0, 0, 0}, 1, false},
        {"A4-", {0, 2, 0, 0}, 2, false},
    };
    for (const auto& [events, counts, expected, right] : cases) {
        Harness h;
        const bool beginner = events[0] != 'A';
        h.play(events, {1, beginner ? expected : 1, expected + 1, 1});
        h.board(counts);
        const std::string before = h.view(), levelAndMode = before.substr(0, before.find(' ', 10));
        h.queued = {2, 2, 2, 2}; // the next exercise
        h.play(right ? "?" : "??");
        const std::string said = right ? "Muito bem, você acertou !!!" : "Tente Novamente !!!";
        ASSERT_EQ(h.texts, std::vector(right ? 1 : 2, said)) // rows after a wrong one could loop
            << expected << " from " << testing::PrintToString(counts);
        EXPECT_EQ(h.rods(true), right ? "///" : h.rods());
        EXPECT_EQ(h.view(),
                  right ? levelAndMode + (beginner ? " 2=" : " 2-2=0") + " 0/0/0/0" : before);
    }
}

} // namespace ordel::test
