#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <string>

namespace ordel::test {
namespace {

bool arithmeticWidgetsShown(const Harness& h) {
    const bool shown = h.ordel.operationMenuVisible();
    EXPECT_EQ(h.visible(LabelId::Label2), shown);
    EXPECT_EQ(h.visible(LabelId::Numero1), shown);
    EXPECT_EQ(h.visible(LabelId::Símbolo), shown);
    return shown;
}

TEST(StartUp, beforeLoadTheControlsHoldTheirCreationValues) {
    Harness h;
    EXPECT_EQ(h.caption(LabelId::Legenda), "");
    EXPECT_EQ(h.caption(LabelId::Label2), "=");
    EXPECT_TRUE(h.ordel.operationMenuVisible());
    EXPECT_TRUE(h.visible(LabelId::Numero1));
}

TEST(StartUp, setsLevelInicianteModeUnidadeAndANumberToBuild) {
    Harness h;
    h.start(2, 8);
    EXPECT_EQ(h.caption(LabelId::Legenda), "Iniciante");
    EXPECT_EQ(h.ordel.Casa(), "Unidade");
    EXPECT_EQ(h.caption(LabelId::Numero2), "8");
    EXPECT_EQ(h.random.ranges, (std::vector<int>{9, 9}));
    EXPECT_EQ(h.caption(LabelId::Símbolo), "");
    EXPECT_EQ(h.caption(LabelId::Numero1), "");
    EXPECT_EQ(h.caption(LabelId::Resultado), "");
    EXPECT_FALSE(arithmeticWidgetsShown(h));
    EXPECT_TRUE(h.visible(LabelId::Numero2));
    EXPECT_TRUE(h.visible(LabelId::Resultado));
    EXPECT_EQ(h.ordel.HasteMarcada(), "");
    for (Rod rod : kAllRods) {
        EXPECT_EQ(h.ordel.frame().count(rod), 0);
        EXPECT_EQ(h.ordel.frame().answer(rod), "");
    }
    EXPECT_TRUE(beadsMatchCounts(h.ordel.frame()));
    EXPECT_TRUE(h.messages.shown.empty());
}

class LevelCaption : public ::testing::TestWithParam<std::pair<std::string, bool>> {};

// Only the exact caption "Iniciante" hides the arithmetic widgets.
TEST_P(LevelCaption, decidesWhetherTheClearingShowsTheArithmeticWidgets) {
    const auto& [caption, beginner] = GetParam();
    Harness h;
    h.start();
    h.ordel.MnuAvançado_Click();
    h.ordel.setCaption(LabelId::Legenda, caption);
    h.ordel.LimpaCampo();
    EXPECT_EQ(arithmeticWidgetsShown(h), !beginner);
    EXPECT_EQ(h.ordel.atBeginnerLevel(), beginner);
}

INSTANTIATE_TEST_SUITE_P(Captions, LevelCaption,
                         ::testing::Values(std::pair<std::string, bool>{"Iniciante", true},
                                           std::pair<std::string, bool>{"Avançado", false},
                                           std::pair<std::string, bool>{"iniciante", false},
                                           std::pair<std::string, bool>{"Iniciante ", false},
                                           std::pair<std::string, bool>{" Iniciante", false},
                                           std::pair<std::string, bool>{"INICIANTE", false},
                                           std::pair<std::string, bool>{"", false}));

TEST(Levels, avancadoClearsTheBoardAndSetsAnAdditionOfThePairHeldNow) {
    Harness h;
    h.start(3, 7);
    h.ordel.Comando_Centena_Click();
    h.ordel.MnuAvançado_Click();
    EXPECT_EQ(h.caption(LabelId::Legenda), "Avançado");
    EXPECT_EQ(h.random.pending(), 0U);
    EXPECT_EQ(h.random.ranges.size(), 2U) << "no pair drawn after start-up";
    EXPECT_EQ(h.caption(LabelId::Numero1), "3");
    EXPECT_EQ(h.caption(LabelId::Símbolo), "+");
    EXPECT_EQ(h.caption(LabelId::Numero2), "7");
    EXPECT_EQ(h.caption(LabelId::Resultado), "10");
    EXPECT_EQ(h.ordel.Total(), 10);
    EXPECT_TRUE(arithmeticWidgetsShown(h));
    EXPECT_EQ(h.ordel.ContaCentena(), 0);
}

TEST(Levels, avancadoInMilharRedrawsOnlyWhenTheHeldSumIsTooLarge) {
    Harness h;
    h.start();
    h.random.queue({20000, 1000});
    h.ordel.MnuMilhar_Click();
    h.random.queue({15000, 6000, 14000, 6999});
    h.ordel.MnuAvançado_Click();
    EXPECT_EQ(h.random.pending(), 0U);
    EXPECT_EQ(h.caption(LabelId::Resultado), "20999");
    EXPECT_EQ(h.caption(LabelId::Numero1), "14000");

    Harness fits;
    fits.start();
    fits.random.queue({20000, 999});
    fits.ordel.MnuMilhar_Click();
    fits.ordel.MnuAvançado_Click();
    EXPECT_EQ(fits.caption(LabelId::Resultado), "20999");
    EXPECT_EQ(fits.caption(LabelId::Numero2), "999");
}

TEST(Enter, withNoOperationSetOnlyDrawsInTheCurrentModeAndClears) {
    Harness h;
    h.start();
    h.random.queue({500, 42});
    h.ordel.MNucentena_Click();
    h.ordel.Comando_Unidade_Click();
    h.random.ranges.clear();
    h.random.queue({1, 123});
    h.ordel.Enter();
    EXPECT_EQ(h.random.ranges, (std::vector<int>{999, 999}));
    EXPECT_EQ(h.caption(LabelId::Numero2), "123");
    EXPECT_EQ(h.caption(LabelId::Resultado), "");
    EXPECT_EQ(h.ordel.ContaUnidade(), 0);
    EXPECT_EQ(h.ordel.Casa(), "Centena");
}

TEST(Enter, repeatsTheLastOperationEvenBackAtLevelIniciante) {
    Harness h;
    h.start();
    h.ordel.MnuAvançado_Click();
    h.random.queue({3, 8});
    h.ordel.MnuSubtração_Click(); // 8 - 3
    h.random.queue({1, 1, 2, 9});
    h.ordel.MnuIniciante_Click(); // Enter: the draw, then a subtraction's own draw
    EXPECT_EQ(h.random.pending(), 0U);
    EXPECT_EQ(h.caption(LabelId::Legenda), "Iniciante");
    EXPECT_EQ(h.caption(LabelId::Símbolo), "-");
    EXPECT_EQ(h.caption(LabelId::Numero1), "9");
    EXPECT_EQ(h.caption(LabelId::Numero2), "2") << "the smaller operand is the number to build";
    EXPECT_EQ(h.caption(LabelId::Resultado), "7");
    EXPECT_FALSE(arithmeticWidgetsShown(h));

    // And the check at this level reads Numero2, not Resultado.
    h.ordel.Comando_Unidade_Click();
    h.ordel.Comando_Unidade_Click();
    h.random.queue({4, 4, 1, 5});
    h.ordel.Cmd_Corrigir_Click();
    ASSERT_EQ(h.messages.shown.size(), 1U);
    EXPECT_EQ(h.messages.shown[0].text, "Muito bem, você acertou !!!");
    EXPECT_EQ(h.caption(LabelId::Numero2), "1");
    EXPECT_EQ(h.caption(LabelId::Numero1), "5");
}

struct SignCase {
    std::string sign;
    std::vector<int> draws; // what Enter and then the operation draw
    std::string numero1, numero2, resultado;
};

class EnterDispatch : public ::testing::TestWithParam<SignCase> {};

TEST_P(EnterDispatch, runsTheOperationNamedBySimbolo) {
    const SignCase& c = GetParam();
    Harness h;
    h.start();
    h.ordel.MnuAvançado_Click();
    h.ordel.setCaption(LabelId::Símbolo, c.sign);
    for (int v : c.draws)
        h.random.queue({v});
    h.ordel.Enter();
    EXPECT_EQ(h.random.pending(), 0U);
    EXPECT_EQ(h.caption(LabelId::Numero1), c.numero1);
    EXPECT_EQ(h.caption(LabelId::Numero2), c.numero2);
    EXPECT_EQ(h.caption(LabelId::Resultado), c.resultado);
}

INSTANTIATE_TEST_SUITE_P(Signs, EnterDispatch,
                         ::testing::Values(SignCase{"+", {2, 6}, "2", "6", "8"},
                                           SignCase{"-", {2, 6, 4, 9}, "9", "4", "5"},
                                           SignCase{"x", {2, 6}, "2", "6", "12"},
                                           SignCase{":", {2, 6, 9, 2}, "9", "2", "4"},
                                           // Anything else sets no exercise: the last one stays.
                                           SignCase{"X", {2, 6}, "3", "7", "10"},
                                           SignCase{"", {2, 6}, "3", "7", "10"}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

} // namespace
} // namespace ordel::test
