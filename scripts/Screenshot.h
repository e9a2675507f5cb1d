#pragma once

// The window as the README's pictures show it: at its opening size, in the
// middle of an exercise at level "Avançado", the pupil one bead short of the
// right answer. The picture test and the tool that draws the pictures
// (scripts/screenshot) both make it here, so that they cannot drift apart.

#include "OrdelWindow.h"
#include "WindowLayout.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <cstdint>

namespace ordel::test {

// A fixed clock, so that the picture shows the same exercise every time.
inline std::uint64_t fixedClock() {
    return 20260927;
}

struct Screenshot {
    ClockSeededRandom random{&fixedClock};
    OrdelWindow window{&random};

    // Four-digit numbers, an addition, and the answer's digits on the rods,
    // thousands first, but for the last bead of the lowest rod that has any:
    // every rod holds beads in more than one row, so that each bead's place
    // is in the picture.
    Screenshot() {
        QApplication::setStyle(QStringLiteral("Fusion"));
        window.show();
        window.findChild<QAction*>(QStringLiteral("MnuMilhar"))->trigger();
        window.findChild<QAction*>(QStringLiteral("MnuAvançado"))->trigger();
        int total = window.core().Total();
        bool oneShort = false;
        for (Rod rod : kUnitsFirst) {
            int digit = rod == Rod::Milhar ? total : total % 10;
            total /= 10;
            if (digit > 0 && !oneShort) {
                --digit;
                oneShort = true;
            }
            const auto name = QString::fromUtf8(layout::kRodLooks[index(rod)].button.name);
            for (auto* button = window.findChild<QAbstractButton*>(name); digit > 0; --digit)
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
