#pragma once

// What a pupil can do, one character an event, and the rules that hold after
// every event once the program has started, whatever came before. The core
// tests play their events through it and check the rules after their steps;
// the fuzzer does both after every event of its runs.

#include "exercises/Ordel.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

namespace ordel {

// What a pupil can do, one character an event, shared by the core tests and
// the fuzzer: M C D U click the rod's add button; z is "Desfazer", I and A the
// levels, 1 2 3 4 the modes Unidade to Milhar, + - x : the operations,
// ? "CORRIGIR", E Enter, L the clearing; m c d u press the rod's area. Any n
// picks a press's button, modifiers and place, none of which matters.
struct Event {
    char key;
    void (*act)(Ordel& ordel, int n);
};
template <void (Ordel::*handler)()> void call(Ordel& ordel, int /*n*/) {
    (ordel.*handler)();
}
template <void (Ordel::*handler)(int, int, int, int)> void press(Ordel& ordel, int n) {
    (ordel.*handler)(1 << n % 3, n % 8, n * 37 % 300, -n);
}
// clang-format off
inline constexpr Event kEvents[] = {
    {'M', call<&Ordel::Comando_Milhar_Click>}, {'C', call<&Ordel::Comando_Centena_Click>},
    {'D', call<&Ordel::Comando_Dezena_Click>}, {'U', call<&Ordel::Comando_Unidade_Click>},
    {'z', call<&Ordel::MNuDesfazer_Click>}, {'I', call<&Ordel::MnuIniciante_Click>}, {'A', call<&Ordel::MnuAvançado_Click>},
    {'1', call<&Ordel::MnUnidade_Click>}, {'2', call<&Ordel::mnuDezena_Click>},
    {'3', call<&Ordel::MNucentena_Click>}, {'4', call<&Ordel::MnuMilhar_Click>},
    {'+', call<&Ordel::MnuAdição_Click>}, {'-', call<&Ordel::MnuSubtração_Click>},
    {'x', call<&Ordel::MnuMultiplicação_Click>}, {':', call<&Ordel::MnuDivisão_Click>},
    {'?', call<&Ordel::Cmd_Corrigir_Click>}, {'E', call<&Ordel::Enter>}, {'L', call<&Ordel::LimpaCampo>},
    {'m', press<&Ordel::ImageMilhar_MouseDown>}, {'c', press<&Ordel::ImageCentena_MouseDown>},
    {'d', press<&Ordel::ImageDezena_MouseDown>}, {'u', press<&Ordel::ImageUnidade_MouseDown>}};
// clang-format on

// Plays the event of kEvents with that key.
inline void play(Ordel& ordel, char key, int n) {
    std::find_if(std::begin(kEvents), std::end(kEvents), [key](const Event& e) {
        return e.key == key;
    })->act(ordel, n);
}

// The counts that spell a number on the rods, by rod: each rod below the
// thousands its digit, the thousands rod all the rest (12997: 12, 9, 9, 7).
// What the pupil builds for a right answer; the tests, the fuzzer, the
// benchmarks and the pictures all put a number on the rods through it.
inline std::array<int, kRodCount> rodDigits(int number) {
    return {number / 1000, number / 100 % 10, number / 10 % 10, number % 10};
}

// Puts the rods at the digits of a number, as rodDigits() spells it.
inline void spell(Ordel& ordel, int number) {
    for (Rod rod : kAllRods)
        ordel.setCount(rod, rodDigits(number)[index(rod)]);
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
