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

// A table of a four-fold family, one row for each member, in the family's
// order. std::array<Row, 4>{...} takes a row left out as a row of zeros, and
// a reader then meets a null pointer or an empty text; here a row too few or
// too many does not compile.
template <class Row, std::size_t Count, std::size_t N>
consteval std::array<Row, Count> oneRowEach(const Row (&rows)[N]) {
    static_assert(N == Count, "a table of a four-fold family has one row for each member");
    return std::to_array(rows);
}
template <class Row, std::size_t N>
consteval std::array<Row, kRodCount> byRod(const Row (&rows)[N]) {
    return oneRowEach<Row, kRodCount>(rows);
}

struct RodInfo {
    std::string_view letter; // what a press on the rod's area puts in the marker
    int capacity;            // bead places on the rod
    int columns;             // bead grid columns; the rows follow from the capacity
};

inline constexpr auto kRods = byRod<RodInfo>({
    {"M", 20, 4},
    {"C", 40, 5},
    {"D", 70, 7},
    {"U", 60, 10},
});

inline constexpr auto kAllRods = byRod<Rod>({Rod::Milhar, Rod::Centena, Rod::Dezena, Rod::Unidade});
// The same rods, lowest place first: the order in which the clearing walks the
// rods and the check fills the answer boxes, and in which a marker is matched.
inline constexpr auto kUnitsFirst =
    byRod<Rod>({Rod::Unidade, Rod::Dezena, Rod::Centena, Rod::Milhar});

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
