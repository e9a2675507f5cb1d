// One add-bead click through the real window, as the pupil makes it: the
// mouse press and release on "Comando_Unidade", then the event loop run until
// the window has repainted what changed. Timed from the press to the end of
// that repaint.
//
// Its floor, timed right after each click the same way: a click on a bare
// button whose handler marks one bead-sized box of a plain widget for repaint
// (x_floor is the median of the ratios). It also counts the area repainted on
// the bead widgets, against the box of the one bead the click showed
// (x_bead: 1 means that bead alone).

#include "BeadArray.h"
#include "OrdelWindow.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Sums the area of every paint event a bead widget receives.
class PaintedArea : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QRect r = static_cast<QPaintEvent*>(event)->rect();
            pixels += static_cast<qint64>(r.width()) * r.height();
            painted = static_cast<BeadArray*>(watched);
        }
        return QObject::eventFilter(watched, event);
    }
    qint64 pixels = 0;
    BeadArray* painted = nullptr;
};

OrdelWindow* window = nullptr; // made in main, shown and painted once

// The floor: a bare button and a plain widget beside it, in a window of their
// own, shown and painted once in main.
struct Bare {
    QWidget window;
    QPushButton* button = new QPushButton(QStringLiteral("U"), &window);
    QWidget* box = new QWidget(&window);
    bool painted = false;
};
Bare* bare = nullptr;

class SeesPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            bare->painted = true;
        return QObject::eventFilter(watched, event);
    }
};

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// A click, then the event loop until a paint has been seen.
template <typename Painted> void clickAndPaint(QWidget* button, Painted painted) {
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
    for (int i = 0; i < 100 && !painted(); ++i)
        QCoreApplication::processEvents();
}

void BM_AddBeadClick(benchmark::State& state) {
    auto* add = window->findChild<QPushButton*>(QStringLiteral("Comando_Unidade"));
    auto* press = window->findChild<QWidget*>(QStringLiteral("ImageUnidade"));
    if (!add || !press) {
        state.SkipWithError("no Comando_Unidade or ImageUnidade in the window");
        return;
    }
    PaintedArea area;
    for (BeadArray* beads : window->findChildren<BeadArray*>())
        beads->installEventFilter(&area);

    SeesPaint seesPaint;
    bare->box->installEventFilter(&seesPaint);
    std::vector<double> ratios;
    qint64 pixels = 0;
    qint64 beadPixels = 0;
    for (auto _ : state) {
        area.pixels = 0;
        area.painted = nullptr;
        const auto start = Clock::now();
        // The repaint is a posted request: the loop runs until it has been
        // handled (once is enough in practice; more runs are counted in).
        clickAndPaint(add, [&area] { return area.painted != nullptr; });
        const auto middle = Clock::now();
        bare->painted = false;
        clickAndPaint(bare->button, [] { return bare->painted; });
        const auto end = Clock::now();
        state.SetIterationTime(seconds(middle - start));
        ratios.push_back(seconds(middle - start) / std::max(seconds(end - middle), 1e-9));
        if (!area.painted) {
            state.SkipWithError("the click repainted no bead");
            break;
        }
        pixels += area.pixels;
        const QRect bead = area.painted->beadRect(window->core().ContaUnidade());
        beadPixels += static_cast<qint64>(bead.width()) * bead.height();

        // Untimed: the bead taken off again, so that every click shows the
        // same bead and the rod never fills up.
        QTest::mouseClick(press, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    const auto n = static_cast<double>(state.iterations());
    if (!ratios.empty()) {
        const auto mid = ratios.begin() + static_cast<std::ptrdiff_t>(ratios.size() / 2);
        std::nth_element(ratios.begin(), mid, ratios.end());
        state.counters["x_floor"] = *mid;
    }
    state.counters["painted_px"] = static_cast<double>(pixels) / n;
    state.counters["bead_px"] = static_cast<double>(beadPixels) / n;
    state.counters["x_bead"] =
        beadPixels > 0 ? static_cast<double>(pixels) / static_cast<double>(beadPixels) : 0;
}
BENCHMARK(BM_AddBeadClick)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    OrdelWindow ordel;
    ordel.show();
    if (!QTest::qWaitForWindowExposed(&ordel))
        return 1;
    QCoreApplication::processEvents();
    window = &ordel;

    Bare floor;
    bare = &floor;
    floor.button->setGeometry(0, 0, 40, 30);
    floor.box->setGeometry(50, 0, 40, 30);
    // One bead's box, as the window draws it.
    const QRect bead = ordel.findChild<BeadArray*>()->beadRect(1);
    QObject::connect(floor.button, &QPushButton::clicked, floor.box,
                     [&floor, bead] { floor.box->update(QRect(QPoint(0, 0), bead.size())); });
    floor.window.resize(100, 40);
    floor.window.show();
    if (!QTest::qWaitForWindowExposed(&floor.window))
        return 1;
    QCoreApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
