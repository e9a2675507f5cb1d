#pragma once

#include "FrameObserver.h"
#include "Rods.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

namespace ordel {

// The four rods with their bead counts, the visible beads, the removal marker
// and the four answer boxes. Beads 1 to min(count, capacity) of a rod are
// visible and the rest hidden, after every operation.
class CountingFrame {
public:
    // One more bead on the rod. Past the capacity only the count rises; at the
    // largest int the count stays where it is rather than overflow.
    void addBead(Rod rod);

    // A press on the rod's area: marks the rod and takes its last bead off.
    void press(Rod rod);

    // Takes the last bead off the marked rod, if any, and unmarks it. With no
    // rod marked (the menu's "Desfazer") it removes nothing.
    void removeMarked();

    // Hides every bead, empties the answer boxes and sets the counts to 0. The
    // marker is left as it is.
    void clear();

    // Puts the rod at the given count (0 or more) with its beads to match.
    void setCount(Rod rod, int count);

    [[nodiscard]] int count(Rod rod) const { return counts_[index(rod)]; }
    [[nodiscard]] std::string countText(Rod rod) const;
    // Bead numbers run from 1 to the rod's capacity; any other number is hidden.
    [[nodiscard]] bool beadVisible(Rod rod, int bead) const;

    [[nodiscard]] const std::string& answer(Rod rod) const { return answers_[index(rod)]; }
    void setAnswer(Rod rod, std::string text);

    [[nodiscard]] const std::string& HasteMarcada() const { return marker_; }
    [[nodiscard]] std::int16_t Indice() const { return index_; }

    void setObserver(FrameObserver* observer) { observer_ = observer; }

private:
    void setBead(Rod rod, int bead, bool visible);
    void reportCount(Rod rod);

    std::array<int, kRodCount> counts_{};
    std::array<std::bitset<kMostBeads>, kRodCount> beads_{};
    std::array<std::string, kRodCount> answers_;
    std::string marker_;
    std::int16_t index_ = 0;
    FrameObserver* observer_ = nullptr;
};

} // namespace ordel
