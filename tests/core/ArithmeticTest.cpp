#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ordel::test {
namespace {

// An exercise at level "Avançado" in the given mode, holding the pair (v1, v2).
Harness& advanced(Harness& h, void (Ordel::*mode)(), int v1, int v2) {
    h.start();
    h.ordel.MnuAvançado_Click();
    h.random.queue({v1, v2});
    (h.ordel.*mode)();
    h.random.ranges.clear();
    return h;
}

struct ExerciseCase {
    const char* name;
    void (Ordel::*mode)();
    int v1, v2;                 // the pair held before the operation
    void (Ordel::*operation)(); // then the operation's handler
    std::vector<int> draws;     // values the operation draws
    std::string numero1, sign, numero2, resultado;
};

class Exercise : public ::testing::TestWithParam<ExerciseCase> {};

TEST_P(Exercise, setsTheExpectedLine) {
    const ExerciseCase& c = GetParam();
    Harness h;
    advanced(h, c.mode, c.v1, c.v2);
    h.ordel.Comando_Unidade_Click();
    for (int v : c.draws)
        h.random.queue({v});

    (h.ordel.*c.operation)();
    EXPECT_EQ(h.random.pending(), 0U);
    EXPECT_EQ(h.random.ranges.size(), c.draws.size()) << "draws beyond the scripted ones";
    EXPECT_EQ(h.caption(LabelId::Numero1), c.numero1);
    EXPECT_EQ(h.caption(LabelId::Símbolo), c.sign);
    EXPECT_EQ(h.caption(LabelId::Numero2), c.numero2);
    EXPECT_EQ(h.caption(LabelId::Resultado), c.resultado);
    EXPECT_EQ(std::to_string(h.ordel.Total()), c.resultado);
    EXPECT_EQ(std::to_string(h.ordel.Valor1()), c.numero1);
    EXPECT_EQ(std::to_string(h.ordel.Valor2()), c.numero2);
    EXPECT_EQ(h.ordel.ContaUnidade(), 0) << "every exercise starts on a cleared board";
}

constexpr auto U = &Ordel::MnUnidade_Click;
constexpr auto D = &Ordel::mnuDezena_Click;
constexpr auto C = &Ordel::MNucentena_Click;
constexpr auto M = &Ordel::MnuMilhar_Click;
constexpr auto add = &Ordel::MnuAdição_Click;
constexpr auto sub = &Ordel::MnuSubtração_Click;
constexpr auto mul = &Ordel::MnuMultiplicação_Click;
constexpr auto div = &Ordel::MnuDivisão_Click;

INSTANTIATE_TEST_SUITE_P(
    Operations, Exercise,
    ::testing::Values(
        // Addition and multiplication use the pair held now, drawing nothing
        // unless the result is too large.
        ExerciseCase{"addHeldPair", U, 9, 9, add, {}, "9", "+", "9", "18"},
        ExerciseCase{"addLargestDezena", D, 99, 99, add, {}, "99", "+", "99", "198"},
        ExerciseCase{"addLargestCentena", C, 999, 999, add, {}, "999", "+", "999", "1998"},
        ExerciseCase{"mulHeldPair", D, 99, 99, mul, {}, "99", "x", "99", "9801"},
        ExerciseCase{"mulCentenaAtTheLimit", C, 253, 83, mul, {}, "253", "x", "83", "20999"},
        ExerciseCase{
            "mulCentenaRedraws", C, 999, 999, mul, {500, 500, 254, 83, 7, 3}, "7", "x", "3", "21"},
        ExerciseCase{"addMilharRedraws",
                     M,
                     20999,
                     1,
                     add,
                     {10500, 10500, 10499, 10500},
                     "10499",
                     "+",
                     "10500",
                     "20999"},
        ExerciseCase{
            "mulMilharRedraws", M, 2, 20999, mul, {145, 145, 144, 145}, "144", "x", "145", "20880"},
        // Subtraction and division always draw once, larger operand first.
        ExerciseCase{"subSwaps", U, 1, 1, sub, {3, 8}, "8", "-", "3", "5"},
        ExerciseCase{"subKeepsOrder", U, 1, 1, sub, {8, 3}, "8", "-", "3", "5"},
        ExerciseCase{"subEqualOperands", U, 1, 1, sub, {5, 5}, "5", "-", "5", "0"},
        ExerciseCase{"subLargestMilhar", M, 1, 1, sub, {1, 20999}, "20999", "-", "1", "20998"},
        ExerciseCase{"divDropsTheRemainder", D, 1, 1, div, {5, 17}, "17", ":", "5", "3"},
        ExerciseCase{"divEqual", U, 1, 1, div, {9, 9}, "9", ":", "9", "1"},
        ExerciseCase{"divByOne", U, 1, 1, div, {9, 1}, "9", ":", "1", "9"},
        ExerciseCase{"divLargestMilhar", M, 1, 1, div, {20999, 1}, "20999", ":", "1", "20999"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Arithmetic, additionRightAfterASubtractionUsesTheSwappedPair) {
    Harness h;
    advanced(h, U, 1, 1);
    h.random.queue({3, 8});
    h.ordel.MnuSubtração_Click();
    h.ordel.MnuAdição_Click();
    h.ordel.MnuAdição_Click();
    EXPECT_EQ(h.random.pending(), 0U);
    EXPECT_EQ(h.random.ranges.size(), 2U);
    EXPECT_EQ(h.caption(LabelId::Numero1), "8");
    EXPECT_EQ(h.caption(LabelId::Numero2), "3");
    EXPECT_EQ(h.caption(LabelId::Resultado), "11");
}

TEST(Arithmetic, subtractionAndDivisionTwiceDrawANewPairEachTime) {
    for (auto op : {sub, div}) {
        Harness h;
        advanced(h, D, 1, 1);
        h.random.queue({40, 80, 30, 90});
        (h.ordel.*op)();
        EXPECT_EQ(h.caption(LabelId::Numero1), "80");
        (h.ordel.*op)();
        EXPECT_EQ(h.caption(LabelId::Numero1), "90");
        EXPECT_EQ(h.caption(LabelId::Numero2), "30");
        EXPECT_EQ(h.random.ranges.size(), 4U);
    }
}

TEST(Arithmetic, aModeChosenAtLevelAvancadoAppliesToTheNextAdditionAtOnce) {
    Harness h;
    advanced(h, U, 2, 3);
    h.ordel.MnuAdição_Click();
    h.random.queue({250, 750});
    h.ordel.MNucentena_Click();
    EXPECT_EQ(h.caption(LabelId::Resultado), "5") << "the exercise on screen stays";
    h.ordel.MnuAdição_Click();
    EXPECT_EQ(h.caption(LabelId::Resultado), "1000");
}

// With the real source, no exercise of any operation in any mode ever asks
// for a result above what the rods can hold, and the captions agree.
TEST(Arithmetic, realExercisesNeverExceedTheLargestResult) {
    ClockSeededRandom random;
    RecordingMessageBox messages;
    Ordel ordel(random, messages);
    ordel.Form_Load();
    ordel.MnuAvançado_Click();
    for (auto mode : {U, D, C, M}) {
        for (auto op : {add, sub, mul, div}) {
            for (int i = 0; i < 200; ++i) {
                (ordel.*mode)();
                (ordel.*op)();
                const int total = ordel.Total();
                ASSERT_GE(total, 0);
                ASSERT_LE(total, 20999);
                ASSERT_EQ(ordel.label(LabelId::Resultado).caption, std::to_string(total));
            }
        }
    }
}

} // namespace
} // namespace ordel::test
