#pragma once

// What a pupil can do, one character an event, and the rules that hold after
// every event once the program has started, whatever came before. The core
// tests play their events through it and check the rules after their steps;
// the fuzzer does both after every event of its runs.

#include "exercises/Ordel.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace ordel {

// M C D U click the rod's add button; z is "Desfazer", I and A the levels,
// 1 2 3 4 the modes Unidade to Milhar, + - x : the operations, ? "CORRIGIR",
// E Enter, L the clearing; m c d u press the rod's area.
inline constexpr std::string_view kEvents = "MCDUzIA1234+-x:?ELmcdu";
// clang-format off
inline constexpr void (Ordel::*kHandlers[])() = {
    &Ordel::Comando_Milhar_Click, &Ordel::Comando_Centena_Click, &Ordel::Comando_Dezena_Click, &Ordel::Comando_Unidade_Click,
    &Ordel::MNuDesfazer_Click, &Ordel::MnuIniciante_Click, &Ordel::MnuAvançado_Click,
    &Ordel::MnUnidade_Click, &Ordel::mnuDezena_Click, &Ordel::MNucentena_Click, &Ordel::MnuMilhar_Click,
    &Ordel::MnuAdição_Click, &Ordel::MnuSubtração_Click, &Ordel::MnuMultiplicação_Click, &Ordel::MnuDivisão_Click,
    &Ordel::Cmd_Corrigir_Click, &Ordel::Enter, &Ordel::LimpaCampo};
inline constexpr void (Ordel::*kPresses[])(int, int, int, int) = {
    &Ordel::ImageMilhar_MouseDown, &Ordel::ImageCentena_MouseDown, &Ordel::ImageDezena_MouseDown, &Ordel::ImageUnidade_MouseDown};
// clang-format on

// Plays one event of kEvents. Any n picks a press's button, modifiers and
// place, none of which matters.
inline void play(Ordel& ordel, char event, int n) {
    const std::size_t i = kEvents.find(event);
    if (i < std::size(kHandlers))
        (ordel.*kHandlers[i])();
    else
        (ordel.*kPresses[i - std::size(kHandlers)])(1 << n % 3, n % 8, n * 37 % 300, -n);
}

// The first rule broken, as its text, or nullptr. An operand's caption that
// holds no number throws std::invalid_argument.
inline const char* brokenRule(const Ordel& ordel) {
    // clang-format off
#define ORDEL_RULE(rule) if (!(rule)) return #rule
    // clang-format on
    for (Rod rod : kAllRods) { // beads 1 to min(count, capacity) shown, and no others
        const int count = ordel.frame().count(rod), capacity = info(rod).capacity;
        for (int bead = 0; bead <= capacity + 1; ++bead)
            ORDEL_RULE(count >= 0 && ordel.frame().beadVisible(rod, bead) ==
                                         (bead >= 1 && bead <= std::min(count, capacity)));
    }
    ORDEL_RULE(ordel.HasteMarcada() == " " || ordel.HasteMarcada().empty());
    // The arithmetic and the operation menu are shown at level "Avançado" only.
    const bool arithmetic = !ordel.atBeginnerLevel();
    ORDEL_RULE(ordel.label(LabelId::Legenda).caption == (arithmetic ? "Avançado" : "Iniciante"));
    ORDEL_RULE(ordel.operationMenuVisible() == arithmetic);
    for (LabelId id : {LabelId::Label2, LabelId::Numero1, LabelId::Símbolo})
        ORDEL_RULE(ordel.label(id).visible == arithmetic);
    for (LabelId id : {LabelId::Legenda, LabelId::Numero2, LabelId::Resultado})
        ORDEL_RULE(ordel.label(id).visible);
    const auto mode = std::find_if(kModes.begin(), kModes.end(),
                                   [&](const ModeInfo& m) { return m.word == ordel.Casa(); });
    ORDEL_RULE(mode != kModes.end() && std::min(ordel.Valor1(), ordel.Valor2()) >= 1 &&
               std::max(ordel.Valor1(), ordel.Valor2()) <= mode->limit);
    const std::string& sign = ordel.label(LabelId::Símbolo).caption;
    if (sign.empty())
        return nullptr; // no operation set yet
    const int result = ordel.Total();
    ORDEL_RULE(ordel.label(LabelId::Resultado).caption == std::to_string(result));
    ORDEL_RULE(result >= 0 && result <= 20999);
    // At "Iniciante" a mode's draw shows a new number in Numero2 alone.
    const int a = std::stoi(ordel.label(LabelId::Numero1).caption);
    const int b = std::stoi(ordel.label(LabelId::Numero2).caption);
    ORDEL_RULE(!arithmetic || (sign == "+" && result == a + b) ||
               (sign == "x" && result == a * b) || (sign == "-" && a >= b && result == a - b) ||
               (sign == ":" && a >= b && b > 0 && result == a / b));
#undef ORDEL_RULE
    return nullptr;
}

} // namespace ordel
