#include "CountingFrame.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace ordel {

void CountingFrame::addBead(Rod rod) {
    int& count = counts_[index(rod)];
    if (count == std::numeric_limits<int>::max())
        return;
    ++count;
    if (count <= info(rod).capacity)
        setBead(rod, count, true);
    reportCount(rod);
}

void CountingFrame::press(Rod rod) {
    marker_ = std::string(info(rod).letter);
    removeMarked();
}

void CountingFrame::removeMarked() {
    // The marker is tried against the letters in the order units, tens,
    // hundreds, thousands; a blank or empty marker matches none.
    const auto marked = std::find_if(kUnitsFirst.begin(), kUnitsFirst.end(),
                                     [this](Rod rod) { return marker_ == info(rod).letter; });
    if (marked != kUnitsFirst.end()) {
        const Rod rod = *marked;
        int& count = counts_[index(rod)];
        if (count > 0) {
            if (count <= info(rod).capacity)
                setBead(rod, count, false);
            --count;
            reportCount(rod);
        }
    }
    marker_.assign(1, ' '); // a blank: no rod marked
}

void CountingFrame::clear() {
    for (index_ = 1; index_ <= kMostBeads; ++index_) {
        for (Rod rod : kUnitsFirst) {
            if (index_ <= info(rod).capacity)
                setBead(rod, index_, false);
        }
    }
    for (Rod rod : kUnitsFirst)
        setAnswer(rod, {});
    for (Rod rod : kUnitsFirst) {
        if (std::exchange(counts_[index(rod)], 0) != 0)
            reportCount(rod);
    }
}

void CountingFrame::setCount(Rod rod, int count) {
    count = std::max(count, 0);
    if (std::exchange(counts_[index(rod)], count) != count)
        reportCount(rod);
    const int capacity = info(rod).capacity;
    for (int bead = 1; bead <= capacity; ++bead)
        setBead(rod, bead, bead <= count);
}

std::string CountingFrame::countText(Rod rod) const {
    return std::to_string(count(rod));
}

bool CountingFrame::beadVisible(Rod rod, int bead) const {
    if (bead < 1 || bead > info(rod).capacity)
        return false;
    return beads_[index(rod)].test(static_cast<std::size_t>(bead - 1));
}

void CountingFrame::setAnswer(Rod rod, std::string text) {
    std::string& box = answers_[index(rod)];
    if (box == text)
        return;
    box = std::move(text);
    if (observer_ != nullptr)
        observer_->answerChanged(rod);
}

void CountingFrame::reportCount(Rod rod) {
    if (observer_ != nullptr)
        observer_->countChanged(rod);
}

void CountingFrame::setBead(Rod rod, int bead, bool visible) {
    auto& beads = beads_[index(rod)];
    const auto bit = static_cast<std::size_t>(bead - 1);
    if (beads.test(bit) == visible)
        return;
    beads.set(bit, visible);
    if (observer_ != nullptr)
        observer_->beadChanged(rod, bead);
}

} // namespace ordel
