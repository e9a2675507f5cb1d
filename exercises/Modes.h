#pragma once

#include "Texts.h"
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

inline constexpr std::size_t kModeCount = 4;

inline constexpr auto kModes = oneRowEach<ModeInfo, kModeCount>({
    {texts::kUnidade, 20000, 9, 9, Rod::Unidade},
    {texts::kDezena, 20000, 99, 99, Rod::Dezena},
    {texts::kCentena, 20000, 999, 999, Rod::Centena},
    {texts::kMilhar, 21000, 20999, 20999, Rod::Milhar},
});

inline constexpr auto kAllModes =
    oneRowEach<Mode, kModeCount>({Mode::Unidade, Mode::Dezena, Mode::Centena, Mode::Milhar});

constexpr const ModeInfo& info(Mode mode) {
    return kModes[static_cast<std::size_t>(mode)];
}

} // namespace ordel
