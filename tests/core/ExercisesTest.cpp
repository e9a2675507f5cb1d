#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ordel::test {
namespace {

constexpr auto add = &Ordel::MnuAdição_Click;
constexpr auto sub = &Ordel::MnuSubtração_Click;
constexpr auto mul = &Ordel::MnuMultiplicação_Click;
constexpr auto div = &Ordel::MnuDivisão_Click;

bool arithmeticShown(const Harness& h) {
    const bool shown = h.ordel.operationMenuVisible();
    for (LabelId id : {LabelId::Label2, LabelId::Numero1, LabelId::Símbolo})
        EXPECT_EQ(h.ordel.label(id).visible, shown);
    return shown;
}

TEST(StartUp, setsLevelInicianteModeUnidadeANumberToBuildAndAClearedBoard) {
    Harness h;
    EXPECT_EQ(h.caption(LabelId::Label2), "=");
    EXPECT_TRUE(arithmeticShown(h)) << "everything is visible until the load";
    h.start(2, 8);
    EXPECT_EQ(h.caption(LabelId::Legenda), "Iniciante");
    EXPECT_EQ(h.ordel.Casa(), "Unidade");
    EXPECT_EQ(h.caption(LabelId::Numero2), "8");
    EXPECT_EQ(h.random.ranges, (std::vector{9, 9}));
    EXPECT_EQ(h.line(), "8=");
    EXPECT_FALSE(arithmeticShown(h));
    EXPECT_TRUE(h.ordel.label(LabelId::Resultado).visible);
    EXPECT_EQ(h.counts(), (std::array{0, 0, 0, 0}));
}

// Only the exact caption "Iniciante" hides the arithmetic widgets.
TEST(Levels, anyCaptionButExactlyInicianteCountsAsAvancado) {
    for (const char* caption :
         {"Iniciante", "Avançado", "iniciante", "Iniciante ", " Iniciante", "INICIANTE", ""}) {
        Harness h;
        h.start();
        h.ordel.MnuAvançado_Click();
        h.ordel.setCaption(LabelId::Legenda, caption);
        h.ordel.LimpaCampo();
        EXPECT_EQ(arithmeticShown(h), caption != std::string("Iniciante")) << caption;
    }
}

TEST(Modes, drawOnePairFromTheirRangeAndShowItOnlyAtLevelIniciante) {
    struct Case {
        void (Ordel::*mode)();
        const char* word;
        int factor;
    };
    for (const Case& c : {Case{U, "Unidade", 9}, Case{D, "Dezena", 99}, Case{C, "Centena", 999},
                          Case{M, "Milhar", 20999}}) {
        Harness h;
        h.start(4, 5);
        h.board(1, 0, 0, 1);
        h.random.ranges.clear();
        h.draw(c.mode, 1, c.factor);
        EXPECT_EQ(h.random.ranges, (std::vector{c.factor, c.factor}));
        EXPECT_EQ(h.random.reseeds, 2) << "one reseed a pair";
        EXPECT_EQ(h.ordel.Casa(), c.word);
        EXPECT_EQ(h.caption(LabelId::Numero2), std::to_string(c.factor));
        EXPECT_EQ(h.counts(), (std::array{1, 0, 0, 1})) << "a mode keeps the beads";

        h.ordel.MnuAvançado_Click();
        const std::string exercise = h.line();
        h.board(0, 0, 1, 0);
        h.draw(c.mode, 2, 2);
        EXPECT_EQ(h.line(), exercise) << "at level Avançado the exercise on screen stays";
        EXPECT_EQ(h.count(Rod::Dezena), 1);
    }
}

TEST(Levels, avancadoSetsAnAdditionOfThePairHeldNowRedrawingOnlyIfTooLarge) {
    Harness h;
    h.start(3, 7);
    h.ordel.Comando_Centena_Click();
    h.ordel.MnuAvançado_Click();
    EXPECT_EQ(h.caption(LabelId::Legenda), "Avançado");
    EXPECT_EQ(h.line(), "3+7=10");
    EXPECT_EQ(h.random.ranges.size(), 2U) << "no pair drawn after start-up";
    EXPECT_EQ(h.count(Rod::Centena), 0);
    EXPECT_TRUE(arithmeticShown(h));

    h.ordel.MnuIniciante_Click();
    h.draw(M, 20000, 1000);
    h.random.queue({15000, 6000, 14000, 6999});
    h.ordel.MnuAvançado_Click();
    EXPECT_EQ(h.line(), "14000+6999=20999");
    EXPECT_EQ(h.random.pending(), 0U);
}

// Enter draws in the current mode and then repeats the operation that Símbolo
// names, at either level; any other caption sets no exercise.
TEST(Enter, repeatsTheOperationThatSimboloNames) {
    struct Case {
        const char* sign;
        std::vector<int> draws; // Enter's pair, then the operation's own
        const char* line;
    };
    for (const Case& c : {Case{"+", {2, 6}, "2+6=8"}, Case{"-", {2, 6, 4, 9}, "9-4=5"},
                          Case{"x", {2, 6}, "2x6=12"}, Case{":", {2, 6, 9, 2}, "9:2=4"},
                          Case{"X", {2, 6}, "3X7=10"}, Case{"", {2, 6}, "37=10"}}) {
        Harness h;
        h.start(3, 7);
        h.ordel.MnuAvançado_Click();
        h.ordel.setCaption(LabelId::Símbolo, c.sign);
        for (int v : c.draws)
            h.random.queue({v});
        h.board(1, 1, 1, 1);
        h.ordel.Enter();
        EXPECT_EQ(h.random.pending(), 0U) << c.sign;
        EXPECT_EQ(h.line(), c.line);
        EXPECT_EQ(h.counts(), (std::array{0, 0, 0, 0}));
    }
}

TEST(Enter, backAtLevelInicianteTheLastOperationStillSetsTheNumberToBuild) {
    Harness h;
    h.start();
    h.ordel.MnuAvançado_Click();
    h.random.queue({4, 8});
    h.ordel.MnuDivisão_Click();
    h.random.queue({1, 1, 2, 9});
    h.ordel.MnuIniciante_Click(); // Enter's pair, then the division's own
    EXPECT_EQ(h.line(), "9:2=4");
    EXPECT_EQ(h.caption(LabelId::Numero2), "2") << "the smaller operand is the number to build";
    EXPECT_FALSE(arithmeticShown(h));
    h.board(0, 0, 0, 2);
    h.ordel.Cmd_Corrigir_Click();
    EXPECT_EQ(h.messages.texts.back(), kCorrect) << "at this level the check reads Numero2";
}

TEST(Operations, setTheExerciseLineFromTheHeldOrAFreshPair) {
    struct Case {
        void (Ordel::*mode)();
        int v1, v2; // the pair held before the operation
        void (Ordel::*operation)();
        std::vector<int> draws; // what the operation draws
        const char* line;
    };
    const Case cases[] = {
        // Addition and multiplication use the pair held now, drawing only
        // while the result is above 20999.
        {U, 9, 9, add, {}, "9+9=18"},
        {C, 999, 999, add, {}, "999+999=1998"},
        {D, 99, 99, mul, {}, "99x99=9801"},
        {C, 253, 83, mul, {}, "253x83=20999"},
        {C, 999, 999, mul, {500, 500, 254, 83, 7, 3}, "7x3=21"},
        {M, 20999, 1, add, {10500, 10500, 10499, 10500}, "10499+10500=20999"},
        {M, 2, 20999, mul, {145, 145, 144, 145}, "144x145=20880"},
        // Subtraction and division always draw once, the larger operand first.
        {U, 1, 1, sub, {3, 8}, "8-3=5"},
        {U, 1, 1, sub, {5, 5}, "5-5=0"},
        {M, 1, 1, sub, {1, 20999}, "20999-1=20998"},
        {D, 1, 1, div, {5, 17}, "17:5=3"},
        {U, 1, 1, div, {9, 9}, "9:9=1"},
        {U, 1, 1, div, {9, 1}, "9:1=9"},
    };
    for (const Case& c : cases) {
        Harness h;
        h.start();
        h.ordel.MnuAvançado_Click();
        h.draw(c.mode, c.v1, c.v2);
        h.ordel.Comando_Unidade_Click();
        for (int v : c.draws)
            h.random.queue({v});
        h.random.ranges.clear();
        (h.ordel.*c.operation)();
        EXPECT_EQ(h.line(), c.line);
        EXPECT_EQ(h.random.ranges.size(), c.draws.size()) << c.line;
        EXPECT_EQ(std::to_string(h.ordel.Valor1()) + std::to_string(h.ordel.Valor2()) + "=" +
                      std::to_string(h.ordel.Total()),
                  h.caption(LabelId::Numero1) + h.caption(LabelId::Numero2) + "=" +
                      h.caption(LabelId::Resultado));
        EXPECT_EQ(h.count(Rod::Unidade), 0) << "every exercise starts on a cleared board";
    }
}

TEST(Operations, keepTheSwappedPairAndSubtractionAndDivisionDrawEachTime) {
    Harness h;
    h.start();
    h.ordel.MnuAvançado_Click();
    h.draw(D, 1, 1);
    h.random.queue({3, 8, 30, 90});
    h.ordel.MnuSubtração_Click();
    h.ordel.MnuAdição_Click();
    EXPECT_EQ(h.line(), "8+3=11");
    h.ordel.MnuAdição_Click();
    EXPECT_EQ(h.line(), "8+3=11");
    h.ordel.MnuDivisão_Click();
    EXPECT_EQ(h.line(), "90:30=3");
    EXPECT_EQ(h.random.pending(), 0U);
}

} // namespace
} // namespace ordel::test
