#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace ordel::test {
namespace {

void expectInvariants(const Ordel& ordel) {
    ASSERT_TRUE(beadsMatchCounts(ordel.frame()));
    for (Rod rod : kAllRods)
        ASSERT_GE(ordel.frame().count(rod), 0);
    const std::string& sign = ordel.label(LabelId::Símbolo).caption;
    if (sign.empty())
        return;
    const int result = std::stoi(ordel.label(LabelId::Resultado).caption);
    ASSERT_TRUE(result >= 0 && result <= 20999) << result;
    // At level "Iniciante" a mode's draw shows the new number to build in
    // Numero2 while the rest of the last exercise stays, so the line is only
    // whole at level "Avançado".
    if (ordel.atBeginnerLevel())
        return;
    const int a = std::stoi(ordel.label(LabelId::Numero1).caption);
    const int b = std::stoi(ordel.label(LabelId::Numero2).caption);
    const int expected = sign == "+" ? a + b : sign == "-" ? a - b : sign == "x" ? a * b : a / b;
    ASSERT_EQ(result, expected) << a << ' ' << sign << ' ' << b;
}

// Long seeded runs of everything a pupil can do, in any order, including
// boards that spell the expected answer; after every event the state still
// holds together.
TEST(RandomEvents, keepTheStateConsistent) {
    using Handler = void (Ordel::*)();
    static constexpr Handler kHandlers[] = {
        &Ordel::Comando_Milhar_Click,  &Ordel::Comando_Centena_Click,  &Ordel::Comando_Dezena_Click,
        &Ordel::Comando_Unidade_Click, &Ordel::MNuDesfazer_Click,      &Ordel::MnuIniciante_Click,
        &Ordel::MnuAvançado_Click,     &Ordel::MnUnidade_Click,        &Ordel::mnuDezena_Click,
        &Ordel::MNucentena_Click,      &Ordel::MnuMilhar_Click,        &Ordel::MnuAdição_Click,
        &Ordel::MnuSubtração_Click,    &Ordel::MnuMultiplicação_Click, &Ordel::MnuDivisão_Click,
        &Ordel::Cmd_Corrigir_Click,
    };
    using Press = void (Ordel::*)(int, int, int, int);
    static constexpr Press kPresses[] = {
        &Ordel::ImageMilhar_MouseDown, &Ordel::ImageCentena_MouseDown,
        &Ordel::ImageDezena_MouseDown, &Ordel::ImageUnidade_MouseDown};
    constexpr int kHandlerCount = std::size(kHandlers);

    for (std::uint64_t seed : {1U, 2U, 3U, 20261206U}) {
        SCOPED_TRACE(seed);
        std::mt19937_64 events(seed);
        ClockSeededRandom random(
            +[]() -> std::uint64_t { return 99; }, seed);
        RecordingMessageBox messages;
        Ordel ordel(random, messages);
        ordel.Form_Load();
        std::size_t corrects = 0;
        for (std::size_t step = 0; step < 20000; ++step) {
            const int event = std::uniform_int_distribution<int>(0, kHandlerCount + 5)(events);
            if (event < kHandlerCount) {
                (ordel.*kHandlers[event])();
            } else if (event < kHandlerCount + 4) {
                const int button = static_cast<int>(events() % 5);
                (ordel.*kPresses[event - kHandlerCount])(button, button, 0, 0);
            } else {
                const LabelId id = ordel.atBeginnerLevel() ? LabelId::Numero2 : LabelId::Resultado;
                const int n =
                    std::stoi(ordel.label(id).caption.empty() ? "0" : ordel.label(id).caption);
                ordel.LimpaCampo();
                ordel.setCount(Rod::Milhar, n / 1000);
                ordel.setCount(Rod::Centena, n / 100 % 10);
                ordel.setCount(Rod::Dezena, n / 10 % 10);
                ordel.setCount(Rod::Unidade, n % 10);
                ordel.Cmd_Corrigir_Click();
                ASSERT_EQ(messages.texts.back(), kCorrect) << "refused at event " << step;
                ++corrects;
            }
            expectInvariants(ordel);
            if (HasFatalFailure())
                return;
        }
        EXPECT_GT(corrects, 1000U);
    }
}

} // namespace
} // namespace ordel::test
