#pragma once

#include "board/Rods.h"

#include <array>
#include <string_view>

namespace ordel {

// The place-value modes: how large the operands are, and which rods the answer
// check reads at level "Iniciante".
enum class Mode { Unidade, Dezena, Centena, Milhar };

struct ModeInfo {
    std::string_view word; // what the mode's draw leaves in Casa
    int sentinel;          // put in Valor1 before the draw so that it runs
    int limit;             // largest operand the mode accepts
    int factor;            // operands are drawn uniformly from 1 to factor
    Rod highestRod;        // highest rod read by the place-value check
};

inline constexpr std::array<ModeInfo, 4> kModes{{
    {"Unidade", 20000, 9, 9, Rod::Unidade},
    {"Dezena", 20000, 99, 99, Rod::Dezena},
    {"Centena", 20000, 999, 999, Rod::Centena},
    {"Milhar", 21000, 20999, 20999, Rod::Milhar},
}};

inline constexpr std::array<Mode, 4> kAllModes{Mode::Unidade, Mode::Dezena, Mode::Centena,
                                               Mode::Milhar};

constexpr const ModeInfo& info(Mode mode) {
    return kModes[static_cast<std::size_t>(mode)];
}

} // namespace ordel
