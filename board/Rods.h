#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace ordel {

// The four rods of the counting frame, highest place first. This is also the
// order in which the answer check joins the rods' counts.
enum class Rod { Milhar, Centena, Dezena, Unidade };
// How many there are: the length of every table kept by rod.
inline constexpr std::size_t kRodCount = 4;

struct RodInfo {
    std::string_view letter; // what a press on the rod's area puts in the marker
    int capacity;            // bead places on the rod
    int columns;             // bead grid columns; the rows follow from the capacity
};

inline constexpr std::array<RodInfo, kRodCount> kRods{{
    {"M", 20, 4},
    {"C", 40, 5},
    {"D", 70, 7},
    {"U", 60, 10},
}};

inline constexpr std::array<Rod, kRodCount> kAllRods{Rod::Milhar, Rod::Centena, Rod::Dezena,
                                                     Rod::Unidade};
// The same rods, lowest place first: the order in which the clearing walks the
// rods and the check fills the answer boxes, and in which a marker is matched.
inline constexpr std::array<Rod, kRodCount> kUnitsFirst{Rod::Unidade, Rod::Dezena, Rod::Centena,
                                                        Rod::Milhar};

// The largest capacity of any rod; the clearing walks this many bead places.
inline constexpr int kMostBeads = 70;
static_assert(std::ranges::max(kRods, {}, &RodInfo::capacity).capacity == kMostBeads,
              "kMostBeads is the largest capacity of a rod");

constexpr std::size_t index(Rod rod) {
    return static_cast<std::size_t>(rod);
}
constexpr const RodInfo& info(Rod rod) {
    return kRods[index(rod)];
}

} // namespace ordel
