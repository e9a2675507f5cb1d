#pragma once

#include "Rods.h"

namespace ordel {

// Told about every change of what the counting frame shows, so that a view can
// redraw just that bead or answer box instead of reading the whole frame again.
// Only real changes are reported: hiding a hidden bead is silent.
class FrameObserver {
public:
    virtual ~FrameObserver() = default;
    virtual void beadChanged(Rod rod, int bead) = 0; // bead numbered from 1
    virtual void answerChanged(Rod rod) = 0;
    // A count can change with no bead shown or hidden (past the capacity), so
    // it is reported on its own. Views that show no counts may ignore it.
    virtual void countChanged(Rod /*rod*/) {}
};

} // namespace ordel
