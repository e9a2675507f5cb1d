#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

namespace ordel::test {
namespace {

// Level "Iniciante" in a mode, with the given number to build.
void toBuild(Harness& h, void (Ordel::*mode)(), int number) {
    h.start();
    h.draw(mode, 1, number);
}

// Level "Avançado", with a subtraction whose result is the given one (0 to 20998).
void toReach(Harness& h, int result) {
    h.start();
    h.ordel.MnuAvançado_Click();
    h.draw(M, 1, 1);
    h.random.queue({result + 1, result == 0 ? result + 1 : 1});
    h.ordel.MnuSubtração_Click();
    ASSERT_EQ(h.caption(LabelId::Resultado), std::to_string(result));
}

// Counts are thousands, hundreds, tens, units. Leading empty rods are left out
// at both levels; at level "Iniciante" only the mode's rods are read.
TEST(AnswerCheck, spellsTheAnswerFromTheRodsWithoutCarrying) {
    struct Case {
        void (Ordel::*mode)(); // null: level "Avançado"
        std::array<int, 4> counts;
        int expected;
        bool correct;
    };
    const Case cases[] = {
        {U, {0, 0, 0, 7}, 7, true},          {C, {3, 1, 0, 5}, 105, true},
        {D, {0, 0, 4, 12}, 52, false},       {M, {13, 5, 0, 7}, 13507, true},
        {M, {1, 35, 0, 7}, 13507, true},     {U, {9, 9, 9, 3}, 3, true},
        {D, {7, 5, 1, 3}, 13, true},         {M, {20, 9, 9, 9}, 20999, true},
        {C, {0, 0, 4, 2}, 42, true},         {M, {0, 3, 0, 5}, 305, true},
        {M, {0, 0, 0, 7}, 7, true},          {C, {5, 0, 0, 42}, 42, true},
        {C, {0, 0, 4, 0}, 40, true},         {C, {0, 3, 5, 0}, 305, false},
        {nullptr, {0, 1, 0, 5}, 105, true},  {nullptr, {1, 0, 0, 5}, 1005, true},
        {nullptr, {0, 0, 1, 12}, 22, false}, {nullptr, {0, 0, 0, 12}, 12, true},
        {nullptr, {0, 0, 0, 0}, 0, true},    {nullptr, {0, 0, 0, 0}, 1, false},
        {nullptr, {0, 2, 0, 0}, 2, false},
    };
    for (const Case& c : cases) {
        Harness h;
        if (c.mode != nullptr)
            toBuild(h, c.mode, c.expected);
        else
            toReach(h, c.expected);
        h.board(c.counts[0], c.counts[1], c.counts[2], c.counts[3]);
        h.ordel.Cmd_Corrigir_Click();
        ASSERT_EQ(h.messages.texts.size(), 1U);
        EXPECT_EQ(h.messages.texts[0], c.correct ? kCorrect : kWrong)
            << c.expected << " from " << c.counts[0] << ' ' << c.counts[1] << ' ' << c.counts[2]
            << ' ' << c.counts[3];
    }
}

// A wrong answer writes the counts into the boxes and changes nothing else, as
// many times as the pupil presses; a correct one is told before the board is
// cleared, then the next exercise is set.
TEST(AnswerCheck, aWrongAnswerChangesOnlyTheBoxesAndACorrectOneMovesOn) {
    for (bool beginner : {true, false}) {
        Harness h;
        beginner ? toBuild(h, C, 305) : toReach(h, 305);
        h.board(0, 3, 5, 0);
        const std::string exercise = h.line();
        for (int attempt = 0; attempt < 2; ++attempt) {
            h.ordel.Cmd_Corrigir_Click();
            EXPECT_EQ(h.messages.texts.back(), kWrong);
            EXPECT_EQ(h.line(), exercise);
            EXPECT_EQ(h.counts(), (std::array{0, 3, 5, 0}));
            for (Rod rod : kAllRods)
                EXPECT_EQ(h.ordel.frame().answer(rod), h.ordel.frame().countText(rod));
        }
        h.ordel.ImageDezena_MouseDown(1, 0, 0, 0);
        h.ordel.ImageDezena_MouseDown(1, 0, 0, 0);
        h.ordel.ImageDezena_MouseDown(1, 0, 0, 0);
        h.ordel.ImageDezena_MouseDown(1, 0, 0, 0);
        h.ordel.ImageDezena_MouseDown(1, 0, 0, 0);
        h.board(0, 0, 0, 5);
        h.messages.onShow = [&h] {
            EXPECT_EQ(h.ordel.frame().answer(Rod::Unidade), "5");
        };
        h.random.queue({6, 6, 2, 9});
        h.ordel.Cmd_Corrigir_Click();
        EXPECT_EQ(h.messages.texts.back(), kCorrect);
        EXPECT_EQ(h.line(), beginner ? "6=" : "9-2=7") << "the same kind of exercise again";
        EXPECT_EQ(h.ordel.Casa(), beginner ? "Centena" : "Milhar");
        EXPECT_EQ(h.counts(), (std::array{0, 0, 0, 0}));
        for (Rod rod : kAllRods)
            EXPECT_EQ(h.ordel.frame().answer(rod), "");
    }
}

// Whatever number a mode sets, its digits on the rods answer it.
TEST(AnswerCheck, everyNumberOfEveryModeIsAnswerable) {
    for (const auto& [mode, limit] : {std::pair{U, 9}, {D, 99}, {C, 999}, {M, 20999}}) {
        Harness h;
        h.start();
        for (int n = 1; n <= limit; ++n) {
            h.draw(mode, 1, n);
            h.board(n / 1000, n / 100 % 10, n / 10 % 10, n % 10);
            h.ordel.Cmd_Corrigir_Click();
            ASSERT_EQ(h.messages.texts.back(), kCorrect) << n;
        }
    }
}

TEST(AnswerCheck, aBoxTakesEveryDigitOfALargeCount) {
    Harness h;
    toReach(h, 5);
    h.ordel.setCount(Rod::Milhar, std::numeric_limits<int>::max());
    h.board(0, 0, 0, 1234);
    h.ordel.Cmd_Corrigir_Click();
    EXPECT_EQ(h.ordel.frame().answer(Rod::Milhar), "2147483647");
    EXPECT_EQ(h.ordel.frame().answer(Rod::Unidade), "1234");
}

} // namespace
} // namespace ordel::test
