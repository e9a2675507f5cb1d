#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <string>

namespace ordel::test {
namespace {

constexpr std::string_view kCorrect = "Muito bem, você acertou !!!";
constexpr std::string_view kWrong = "Tente Novamente !!!";

// Sets level "Iniciante" in a mode with the given number to build.
void toBuild(Harness& h, void (Ordel::*mode)(), int number) {
    h.start();
    h.random.queue({1, number});
    (h.ordel.*mode)();
}

// Sets a subtraction whose expected result is the given one (0 to 20998).
void toReach(Harness& h, int result) {
    h.start();
    h.ordel.MnuAvançado_Click();
    h.random.queue({1, 1});
    h.ordel.MnuMilhar_Click();
    if (result == 0)
        h.random.queue({5, 5});
    else
        h.random.queue({result + 1, 1});
    h.ordel.MnuSubtração_Click();
    ASSERT_EQ(h.caption(LabelId::Resultado), std::to_string(result));
}

struct CheckCase {
    const char* name;
    bool beginner;
    void (Ordel::*mode)();
    std::array<int, 4> counts; // thousands, hundreds, tens, units
    int expected;
    bool correct;
};

class WorkedExample : public ::testing::TestWithParam<CheckCase> {};

TEST_P(WorkedExample, spellsTheAnswerFromTheRods) {
    const CheckCase& c = GetParam();
    Harness h;
    if (c.beginner) {
        toBuild(h, c.mode, c.expected);
    } else {
        toReach(h, c.expected);
        h.random.queue({2, 3});
        (h.ordel.*c.mode)();
    }
    h.board(c.counts[0], c.counts[1], c.counts[2], c.counts[3]);
    h.ordel.Cmd_Corrigir_Click();
    ASSERT_EQ(h.messages.shown.size(), 1U);
    EXPECT_EQ(h.messages.shown[0].text, c.correct ? kCorrect : kWrong);
    EXPECT_EQ(h.messages.shown[0].title, "Ordel");
    EXPECT_EQ(h.messages.shown[0].icon, MessageIcon::None);
}

constexpr auto U = &Ordel::MnUnidade_Click;
constexpr auto D = &Ordel::mnuDezena_Click;
constexpr auto C = &Ordel::MNucentena_Click;
constexpr auto M = &Ordel::MnuMilhar_Click;

INSTANTIATE_TEST_SUITE_P(
    Examples, WorkedExample,
    ::testing::Values(CheckCase{"units7", true, U, {0, 0, 0, 7}, 7, true},
                      CheckCase{"thousandsNotReadInCentena", true, C, {3, 1, 0, 5}, 105, true},
                      CheckCase{"noCarrying", true, D, {0, 0, 4, 12}, 52, false},
                      CheckCase{"milhar13507", true, M, {13, 5, 0, 7}, 13507, true},
                      CheckCase{"milhar1_35_0_7", true, M, {1, 35, 0, 7}, 13507, true},
                      CheckCase{"onlyUnitsInUnidade", true, U, {9, 9, 9, 3}, 3, true},
                      CheckCase{"upperRodsNotReadInDezena", true, D, {7, 5, 1, 3}, 13, true},
                      CheckCase{"milhar20999", true, M, {20, 9, 9, 9}, 20999, true},
                      CheckCase{"sum105", false, U, {0, 1, 0, 5}, 105, true},
                      CheckCase{"sum1005", false, D, {1, 0, 0, 5}, 1005, true},
                      CheckCase{"tensAndUnits112", false, C, {0, 0, 1, 12}, 22, false},
                      CheckCase{"units12", false, M, {0, 0, 0, 12}, 12, true},
                      CheckCase{"emptyBoard0", false, U, {0, 0, 0, 0}, 0, true},
                      CheckCase{"emptyBoardIsNot00", false, U, {0, 0, 0, 0}, 1, false},
                      CheckCase{"zeroBelowIsKept", false, U, {0, 2, 0, 0}, 2, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnswerCheck, aWrongAnswerChangesNothingButTheAnswerBoxes) {
    Harness h;
    toReach(h, 40);
    h.board(1, 0, 4, 12);
    h.ordel.ImageDezena_MouseDown(2, 1, 0, 0);
    const std::string before[] = {h.caption(LabelId::Numero1), h.caption(LabelId::Numero2),
                                  h.caption(LabelId::Resultado), h.caption(LabelId::Símbolo)};
    for (int attempt = 0; attempt < 2; ++attempt) {
        h.ordel.Cmd_Corrigir_Click();
        EXPECT_EQ(h.messages.shown.back().text, kWrong);
        EXPECT_EQ(h.ordel.ContaMilhar(), 1);
        EXPECT_EQ(h.ordel.ContaDezena(), 3);
        EXPECT_EQ(h.ordel.ContaUnidade(), 12);
        EXPECT_TRUE(beadsMatchCounts(h.ordel.frame()));
        EXPECT_EQ(h.ordel.frame().answer(Rod::Milhar), "1");
        EXPECT_EQ(h.ordel.frame().answer(Rod::Centena), "0");
        EXPECT_EQ(h.ordel.frame().answer(Rod::Dezena), "3");
        EXPECT_EQ(h.ordel.frame().answer(Rod::Unidade), "12");
        const std::string after[] = {h.caption(LabelId::Numero1), h.caption(LabelId::Numero2),
                                     h.caption(LabelId::Resultado), h.caption(LabelId::Símbolo)};
        EXPECT_TRUE(std::equal(std::begin(before), std::end(before), std::begin(after)));
    }
    EXPECT_EQ(h.messages.shown.size(), 2U);
}

TEST(AnswerCheck, aWrongAnswerAtLevelInicianteLeavesTheNumberModeAndBoard) {
    Harness h;
    toBuild(h, C, 305);
    h.board(0, 3, 5, 0);
    h.ordel.Cmd_Corrigir_Click();
    EXPECT_EQ(h.messages.shown.back().text, kWrong);
    EXPECT_EQ(h.caption(LabelId::Numero2), "305");
    EXPECT_EQ(h.ordel.Casa(), "Centena");
    EXPECT_EQ(h.ordel.ContaCentena(), 3);
    EXPECT_EQ(h.ordel.ContaDezena(), 5);
    EXPECT_TRUE(beadsMatchCounts(h.ordel.frame()));
    EXPECT_EQ(h.ordel.frame().answer(Rod::Dezena), "5");
    EXPECT_EQ(h.random.pending(), 0U);
}

TEST(AnswerCheck, aWrongAnswerOnAnEmptyBoardWritesZeroInEveryBox) {
    Harness h;
    toBuild(h, U, 4);
    h.ordel.Cmd_Corrigir_Click();
    for (Rod rod : kAllRods)
        EXPECT_EQ(h.ordel.frame().answer(rod), "0");
}

TEST(AnswerCheck, aCorrectAnswerIsToldBeforeTheBoardIsClearedThenTheNextExerciseIsSet) {
    Harness h;
    toReach(h, 12);
    h.board(0, 0, 1, 2);
    h.messages.onShow = [&h] {
        // While the box is open the board and the filled boxes are still there.
        EXPECT_EQ(h.ordel.ContaUnidade(), 2);
        EXPECT_EQ(h.ordel.frame().answer(Rod::Dezena), "1");
    };
    h.random.queue({5, 5, 4, 9});
    h.ordel.Cmd_Corrigir_Click();
    ASSERT_EQ(h.messages.shown.size(), 1U);
    EXPECT_EQ(h.messages.shown[0].text, kCorrect);
    EXPECT_EQ(h.random.pending(), 0U) << "Enter drew, then the subtraction drew";
    EXPECT_EQ(h.caption(LabelId::Numero1), "9");
    EXPECT_EQ(h.caption(LabelId::Numero2), "4");
    EXPECT_EQ(h.caption(LabelId::Resultado), "5");
    for (Rod rod : kAllRods) {
        EXPECT_EQ(h.ordel.frame().count(rod), 0);
        EXPECT_EQ(h.ordel.frame().answer(rod), "");
    }
    EXPECT_TRUE(beadsMatchCounts(h.ordel.frame()));
}

TEST(AnswerCheck, aCorrectAnswerAtLevelInicianteSetsTheNextNumberOfTheSameMode) {
    Harness h;
    toBuild(h, D, 52);
    h.board(0, 0, 5, 2);
    h.random.queue({1, 64});
    h.ordel.Cmd_Corrigir_Click();
    EXPECT_EQ(h.messages.shown.back().text, kCorrect);
    EXPECT_EQ(h.caption(LabelId::Numero2), "64");
    EXPECT_EQ(h.ordel.Casa(), "Dezena");
    EXPECT_EQ(h.ordel.ContaDezena(), 0);
    EXPECT_FALSE(h.visible(LabelId::Numero1));
}

// Numbers shorter than the mode's rods: the pupil leaves the upper rods empty.
TEST(AnswerCheck, shortNumbersAreAnsweredWithTheUpperRodsEmpty) {
    struct Short {
        void (Ordel::*mode)();
        int number;
        std::array<int, 4> counts;
    };
    for (const Short& s :
         {Short{C, 42, {0, 0, 4, 2}}, Short{M, 305, {0, 3, 0, 5}}, Short{M, 7, {0, 0, 0, 7}},
          Short{D, 7, {0, 0, 0, 7}}, Short{C, 40, {0, 0, 4, 0}}, Short{M, 1000, {1, 0, 0, 0}}}) {
        Harness h;
        toBuild(h, s.mode, s.number);
        h.board(s.counts[0], s.counts[1], s.counts[2], s.counts[3]);
        h.ordel.Cmd_Corrigir_Click();
        EXPECT_EQ(h.messages.shown.back().text, kCorrect) << s.number;
    }
    // However many upper rods are empty: 42 units alone spell 42.
    Harness h;
    toBuild(h, C, 42);
    h.board(5, 0, 0, 42);
    h.ordel.Cmd_Corrigir_Click();
    EXPECT_EQ(h.messages.shown.back().text, kCorrect) << "42 units spell 42";
    Harness rodsAbove;
    toBuild(rodsAbove, D, 7);
    rodsAbove.board(0, 1, 0, 7);
    rodsAbove.ordel.Cmd_Corrigir_Click();
    EXPECT_EQ(rodsAbove.messages.shown.back().text, kCorrect) << "hundreds are not read in Dezena";
}

// Every number each mode can set is accepted when the pupil puts its digits
// on the rods.
TEST(AnswerCheck, everyNumberOfEveryModeIsAnswerable) {
    struct ModeRange {
        void (Ordel::*mode)();
        int limit;
    };
    for (const ModeRange& r :
         {ModeRange{U, 9}, ModeRange{D, 99}, ModeRange{C, 999}, ModeRange{M, 20999}}) {
        Harness h;
        h.start();
        for (int n = 1; n <= r.limit; ++n) {
            h.random.queue({1, n});
            (h.ordel.*r.mode)();
            h.board(n / 1000, n / 100 % 10, n / 10 % 10, n % 10);
            h.ordel.Cmd_Corrigir_Click();
            ASSERT_EQ(h.messages.shown.back().text, kCorrect) << n;
        }
    }
}

TEST(AnswerCheck, aBoxTakesEveryDigitOfALargeCount) {
    Harness h;
    toReach(h, 1234);
    h.board(0, 0, 0, 1234);
    h.messages.onShow = [&h] {
        EXPECT_EQ(h.ordel.frame().answer(Rod::Unidade), "1234");
    };
    h.ordel.Cmd_Corrigir_Click();
    EXPECT_EQ(h.messages.shown.back().text, kCorrect);
    h.messages.onShow = nullptr;

    Harness most;
    toReach(most, 5);
    most.ordel.setCount(Rod::Milhar, std::numeric_limits<int>::max());
    most.ordel.Cmd_Corrigir_Click();
    EXPECT_EQ(most.ordel.frame().answer(Rod::Milhar), "2147483647");
}

} // namespace
} // namespace ordel::test
