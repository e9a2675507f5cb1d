// Makes the picture of the window for the README: the window in the middle of
// an exercise at level "Avançado", the pupil one bead short of the right
// answer. Run under a virtual display (scripts/screenshot does it); the
// picture goes to the file named as the first argument.

#include "OrdelWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <array>
#include <cstdint>
#include <cstdio>

namespace {

// A fixed clock, so that the picture shows the same exercise every time.
std::uint64_t fixedClock() {
    return 20260917;
}

void choose(const OrdelWindow& window, const char* item) {
    window.findChild<QAction*>(QString::fromUtf8(item))->trigger();
}

void click(const OrdelWindow& window, const char* button, int times) {
    auto* b = window.findChild<QAbstractButton*>(QString::fromUtf8(button));
    for (int i = 0; i < times; ++i)
        b->click();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("uso: ordel_screenshot ARQUIVO.png\n", stderr);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);

    ordel::ClockSeededRandom random(&fixedClock);
    OrdelWindow window(&random);
    window.show();

    // Two-digit numbers, an addition, and the answer's digits on the rods,
    // thousands first, but for the last bead of the lowest rod that has any.
    choose(window, "mnuDezena");
    choose(window, "MnuAvançado");
    const std::array<const char*, 4> buttons{"Comando_Milhar", "Comando_Centena", "Comando_Dezena",
                                             "Comando_Unidade"};
    std::array<int, 4> digits{}; // by rod
    int total = window.core().Total();
    bool oneShort = false;
    for (ordel::Rod rod : ordel::kUnitsFirst) {
        int& digit = digits[ordel::index(rod)];
        digit = rod == ordel::Rod::Milhar ? total : total % 10;
        total /= 10;
        if (digit > 0 && !oneShort) {
            --digit;
            oneShort = true;
        }
    }
    for (ordel::Rod rod : ordel::kAllRods)
        click(window, buttons[ordel::index(rod)], digits[ordel::index(rod)]);

    int status = 0;
    QTimer::singleShot(500, &window, [&window, &file, &status] {
        if (!window.grab().save(file, "PNG")) {
            std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(file));
            status = 1;
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
