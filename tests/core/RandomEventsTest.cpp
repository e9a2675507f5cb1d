#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace ordel::test {
namespace {

// Long seeded runs of everything a pupil can do, in any order. After every
// event the state must still make sense.
class RandomEvents : public ::testing::TestWithParam<std::uint64_t> {};

void expectInvariants(const Ordel& ordel, std::size_t step) {
    ASSERT_TRUE(beadsMatchCounts(ordel.frame())) << "after event " << step;
    for (Rod rod : kAllRods)
        ASSERT_GE(ordel.frame().count(rod), 0) << "after event " << step;

    const std::string& sign = ordel.label(LabelId::Símbolo).caption;
    if (sign.empty())
        return;
    const int result = std::stoi(ordel.label(LabelId::Resultado).caption);
    ASSERT_GE(result, 0) << "after event " << step;
    ASSERT_LE(result, 20999) << "after event " << step;
    // At level "Iniciante" a mode's draw shows the new number to build in
    // Numero2 while the last exercise's other labels stay as they were, so
    // the line is only whole at level "Avançado".
    if (ordel.atBeginnerLevel())
        return;
    const int a = std::stoi(ordel.label(LabelId::Numero1).caption);
    const int b = std::stoi(ordel.label(LabelId::Numero2).caption);
    int expected = -1;
    if (sign == "+")
        expected = a + b;
    else if (sign == "-")
        expected = a - b;
    else if (sign == "x")
        expected = a * b;
    else if (sign == ":")
        expected = a / b;
    ASSERT_EQ(result, expected) << a << ' ' << sign << ' ' << b << " after event " << step;
}

// Puts on the rods the digits of what the check expects now, so that runs
// also go through correct answers.
void buildExpected(Ordel& ordel) {
    const LabelId expected = ordel.atBeginnerLevel() ? LabelId::Numero2 : LabelId::Resultado;
    const std::string& text = ordel.label(expected).caption;
    if (text.empty())
        return;
    const int n = std::stoi(text);
    ordel.setCount(Rod::Milhar, n / 1000);
    ordel.setCount(Rod::Centena, n / 100 % 10);
    ordel.setCount(Rod::Dezena, n / 10 % 10);
    ordel.setCount(Rod::Unidade, n % 10);
}

TEST_P(RandomEvents, keepTheStateConsistent) {
    std::mt19937_64 events(GetParam());
    ClockSeededRandom random(
        +[]() -> std::uint64_t { return 99; }, GetParam());
    RecordingMessageBox messages;
    Ordel ordel(random, messages);
    ordel.Form_Load();

    using Handler = void (Ordel::*)();
    static constexpr Handler kHandlers[] = {
        &Ordel::Comando_Milhar_Click,  &Ordel::Comando_Centena_Click,  &Ordel::Comando_Dezena_Click,
        &Ordel::Comando_Unidade_Click, &Ordel::MNuDesfazer_Click,      &Ordel::MnuIniciante_Click,
        &Ordel::MnuAvançado_Click,     &Ordel::MnUnidade_Click,        &Ordel::mnuDezena_Click,
        &Ordel::MNucentena_Click,      &Ordel::MnuMilhar_Click,        &Ordel::MnuAdição_Click,
        &Ordel::MnuSubtração_Click,    &Ordel::MnuMultiplicação_Click, &Ordel::MnuDivisão_Click,
        &Ordel::Cmd_Corrigir_Click,
    };
    constexpr int kHandlerCount = std::size(kHandlers);
    std::uniform_int_distribution<int> pick(0, kHandlerCount + 5);
    std::size_t corrects = 0;

    for (std::size_t step = 0; step < 20000; ++step) {
        const int event = pick(events);
        if (event < kHandlerCount) {
            (ordel.*kHandlers[event])();
        } else if (event < kHandlerCount + 4) {
            // A press on one of the areas, with some button and modifiers.
            const int button = static_cast<int>(events() % 3) + 1;
            const int shift = static_cast<int>(events() % 8);
            switch (event - kHandlerCount) {
            case 0:
                ordel.ImageMilhar_MouseDown(button, shift, 10, 10);
                break;
            case 1:
                ordel.ImageCentena_MouseDown(button, shift, 0, 0);
                break;
            case 2:
                ordel.ImageDezena_MouseDown(button, shift, 200, 5);
                break;
            default:
                ordel.ImageUnidade_MouseDown(button, shift, 1, 300);
                break;
            }
        } else {
            buildExpected(ordel);
            const std::size_t before = messages.shown.size();
            ordel.Cmd_Corrigir_Click();
            ASSERT_EQ(messages.shown.size(), before + 1);
            ASSERT_EQ(messages.shown.back().text, "Muito bem, você acertou !!!")
                << "a board spelling the expected number was refused at event " << step;
            ++corrects;
        }
        expectInvariants(ordel, step);
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(corrects, 1000U);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomEvents, ::testing::Values(1U, 2U, 3U, 20261206U));

} // namespace
} // namespace ordel::test
