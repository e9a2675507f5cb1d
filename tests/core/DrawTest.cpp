#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <string>

namespace ordel::test {
namespace {

struct ModeCase {
    void (Ordel::*handler)();
    std::string word;
    int factor;
};

class EachMode : public ::testing::TestWithParam<ModeCase> {};

TEST_P(EachMode, drawsOnePairFromOneToItsFactorAfterOneReseed) {
    const auto& [handler, word, factor] = GetParam();
    Harness h;
    h.start();
    h.random.reseeds = 0;
    h.random.ranges.clear();
    h.random.queue({factor, 1});

    (h.ordel.*handler)();
    EXPECT_EQ(h.random.reseeds, 1);
    EXPECT_EQ(h.random.ranges, (std::vector<int>{factor, factor}));
    EXPECT_EQ(h.ordel.Valor1(), factor);
    EXPECT_EQ(h.ordel.Valor2(), 1);
    EXPECT_EQ(h.ordel.Casa(), word);
    EXPECT_EQ(h.caption(LabelId::Numero2), "1");
}

TEST_P(EachMode, atLevelInicianteShowsTheNewNumberButLeavesTheBeads) {
    const auto& [handler, word, factor] = GetParam();
    Harness h;
    h.start();
    h.ordel.Comando_Unidade_Click();
    h.ordel.Comando_Milhar_Click();
    h.random.queue({1, factor});

    (h.ordel.*handler)();
    EXPECT_EQ(h.caption(LabelId::Numero2), std::to_string(factor));
    EXPECT_EQ(h.ordel.ContaUnidade(), 1);
    EXPECT_EQ(h.ordel.ContaMilhar(), 1);
    EXPECT_TRUE(h.ordel.frame().beadVisible(Rod::Milhar, 1));
}

TEST_P(EachMode, atLevelAvancadoLeavesTheExerciseOnScreen) {
    const auto& [handler, word, factor] = GetParam();
    Harness h;
    h.start(4, 5);
    h.ordel.MnuAvançado_Click(); // 4 + 5
    h.ordel.Comando_Dezena_Click();
    h.ordel.Cmd_Corrigir_Click(); // wrong: fills the boxes
    h.random.queue({2, 2});

    (h.ordel.*handler)();
    EXPECT_EQ(h.caption(LabelId::Numero1), "4");
    EXPECT_EQ(h.caption(LabelId::Símbolo), "+");
    EXPECT_EQ(h.caption(LabelId::Numero2), "5");
    EXPECT_EQ(h.caption(LabelId::Resultado), "9");
    EXPECT_EQ(h.ordel.ContaDezena(), 1);
    EXPECT_EQ(h.ordel.frame().answer(Rod::Dezena), "1");
    EXPECT_EQ(h.ordel.Casa(), word);
    EXPECT_EQ(h.ordel.Valor1(), 2);
}

INSTANTIATE_TEST_SUITE_P(Modes, EachMode,
                         ::testing::Values(ModeCase{&Ordel::MnUnidade_Click, "Unidade", 9},
                                           ModeCase{&Ordel::mnuDezena_Click, "Dezena", 99},
                                           ModeCase{&Ordel::MNucentena_Click, "Centena", 999},
                                           ModeCase{&Ordel::MnuMilhar_Click, "Milhar", 20999}),
                         [](const auto& info) { return info.param.word; });

// With the real source: every number a mode sets lies in its range, and
// "Centena" and "Milhar" also set short numbers.
TEST(Draw, realDrawsStayInTheModesRangeAndReachShortNumbers) {
    ClockSeededRandom random;
    RecordingMessageBox messages;
    Ordel ordel(random, messages);
    ordel.Form_Load();
    int shortest = 100000;
    int largest = 0;
    for (int i = 0; i < 20000; ++i) {
        ordel.MnuMilhar_Click();
        const int shown = std::stoi(ordel.label(LabelId::Numero2).caption);
        ASSERT_GE(ordel.Valor1(), 1);
        ASSERT_LE(ordel.Valor1(), 20999);
        ASSERT_EQ(shown, ordel.Valor2());
        shortest = std::min(shortest, shown);
        largest = std::max(largest, shown);
    }
    EXPECT_LT(shortest, 1000);
    EXPECT_GT(largest, 20000);
    for (int i = 0; i < 2000; ++i) {
        ordel.MnUnidade_Click();
        ASSERT_GE(ordel.Valor2(), 1);
        ASSERT_LE(ordel.Valor2(), 9);
    }
}

} // namespace
} // namespace ordel::test
