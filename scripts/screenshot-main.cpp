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
    std::array<int, 4> digits{};
    for (int total = window.core().Total(), i = 3; i >= 0; --i, total /= 10)
        digits[static_cast<std::size_t>(i)] = i == 0 ? total : total % 10;
    for (std::size_t i = 4; i-- > 0;) {
        if (digits[i] > 0) {
            --digits[i];
            break;
        }
    }
    for (std::size_t i = 0; i < 4; ++i)
        click(window, buttons[i], digits[i]);

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
