#pragma once

// The window in the states that its pictures show, drawn on Qt's offscreen
// platform: the README's, at its opening size in the middle of an exercise at
// level "Avançado", the pupil one bead short of the right answer; and every
// rod full, which shows each bead's place on every row. The picture test and
// the tool that draws the pictures (scripts/screenshot) both make them here,
// so that they cannot drift apart.

#include "OrdelWindow.h"
#include "WindowLayout.h"
#include "support/Play.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <cstdint>

namespace ordel::test {

// A fixed clock, so that the picture shows the same exercise every time.
inline std::uint64_t fixedClock() {
    return 20260927;
}

struct Screenshot {
    ClockSeededRandom random{&fixedClock};
    OrdelWindow window{&random};

    // Four-digit numbers and an addition. In the README's state the
    // answer's digits are on the rods but for the last bead of the lowest rod
    // that has any: every rod holds beads in more than one row. Full, every
    // rod holds as many beads as it has places.
    explicit Screenshot(bool full = false) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        window.show();
        window.findChild<QAction*>(QStringLiteral("MnuMilhar"))->trigger();
        window.findChild<QAction*>(QStringLiteral("MnuAvançado"))->trigger();
        auto counts = rodDigits(window.core().Total());
        const auto lowest =
            std::ranges::find_if(kUnitsFirst, [&](Rod r) { return counts[index(r)] > 0; });
        if (lowest != kUnitsFirst.end())
            --counts[index(*lowest)];
        for (const layout::RodLook& r : layout::kRodLooks) {
            const auto name = QString::fromUtf8(r.button.name);
            auto* button = window.findChild<QAbstractButton*>(name);
            for (int n = full ? info(r.rod).capacity : counts[index(r.rod)]; n > 0; --n)
                button->click();
        }
    }

    // The whole window, menu bar and all, at the screen's scale.
    QImage picture() {
        QApplication::processEvents();
        return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

} // namespace ordel::test
