#include "support/Harness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ordel::test {

// From start-up with the pair (3, 7) and every rod full, the events
// (see kEvents), drawing the given values and no others; then the level,
// the mode, the exercise and the counts.
// clang-format off
struct ExerciseRow { const char* name; const char* events; std::vector<int> draws; std::string view; };
// clang-format on

TEST(Exercises, followTheLevelTheModeAndTheOperation) {
    // clang-format off
    const ExerciseRow rows[] = {
        {"start-up: Iniciante, Unidade, the second value to build", "", {}, "Iniciante Unidade 7= 20/40/70/60"},
        // A mode draws a fresh pair from its range and keeps the beads; at level
        // "Iniciante" only, it shows the second value.
        {"mode Unidade", "1", {1, 9}, "Iniciante Unidade 9= 20/40/70/60"},
        {"mode Dezena", "2", {1, 99}, "Iniciante Dezena 99= 20/40/70/60"},
        {"mode Centena", "3", {1, 999}, "Iniciante Centena 999= 20/40/70/60"},
        {"mode Milhar", "4", {1, 20999}, "Iniciante Milhar 20999= 20/40/70/60"},
        {"a mode at Avançado keeps the beads", "AU4", {2, 2}, "Avançado Milhar 3+7=10 0/0/0/1"},
        // "Avançado": an addition of the pair held now, on a cleared frame.
        {"Avançado adds the pair held", "A", {}, "Avançado Unidade 3+7=10 0/0/0/0"},
        // Subtraction and division always draw, the larger operand first.
        {"subtraction swaps", "AU-", {3, 8}, "Avançado Unidade 8-3=5 0/0/0/0"},
        {"subtraction of equals", "A-", {5, 5}, "Avançado Unidade 5-5=0 0/0/0/0"},
        {"subtraction in Milhar", "A4-", {1, 1, 1, 20999}, "Avançado Milhar 20999-1=20998 0/0/0/0"},
        {"division rounds down", "A2:", {1, 1, 5, 17}, "Avançado Dezena 17:5=3 0/0/0/0"},
        // Addition and multiplication use the pair held now, drawing only while
        // the result is above 20999. Every exercise starts on a cleared frame.
        {"addition of the pair held", "A1U+", {9, 9}, "Avançado Unidade 9+9=18 0/0/0/0"},
        {"product at the largest result", "A3x", {253, 83}, "Avançado Centena 253x83=20999 0/0/0/0"},
        {"product redrawn until small enough", "A3x", {999, 999, 500, 500, 254, 83, 7, 3}, "Avançado Centena 7x3=21 0/0/0/0"},
        {"sum at the largest result", "A4+", {20999, 1, 10499, 10500}, "Avançado Milhar 10499+10500=20999 0/0/0/0"},
        {"product in Milhar", "A4x", {2, 20999, 145, 145, 144, 145}, "Avançado Milhar 144x145=20880 0/0/0/0"},
        // Enter, and "Iniciante", which ends in it, draw a pair in the current
        // mode and repeat the operation on screen, if any, on a cleared frame.
        {"Iniciante draws anew", "I", {2, 6}, "Iniciante Unidade 6= 0/0/0/0"},
        {"Enter repeats the addition", "AUE", {2, 6}, "Avançado Unidade 2+6=8 0/0/0/0"},
        {"Enter repeats the subtraction", "A-E", {3, 8, 2, 6, 4, 9}, "Avançado Unidade 9-4=5 0/0/0/0"},
        {"Iniciante keeps the sign", "A:I", {4, 8, 2, 6, 2, 9}, "Iniciante Unidade 9:2=4 0/0/0/0"},
    };
    // clang-format on
    for (const ExerciseRow& row : rows) {
        SCOPED_TRACE(row.name);
        Harness h;
        h.board({20, 40, 70, 60});
        EXPECT_NO_THROW(h.play(row.events, row.draws)); // no endless redraw
        EXPECT_EQ(h.view(), row.view);
        EXPECT_EQ(h.draws, 2 + static_cast<int>(row.draws.size()));
        EXPECT_EQ(h.reseeds * 2, h.draws) << "one reseed a pair";
        EXPECT_STREQ(brokenRule(h.ordel), nullptr);
    }
}

} // namespace ordel::test
