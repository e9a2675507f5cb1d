#pragma once

// What the widget tests share: the window built on queued random numbers,
// its controls found by name, real presses routed through the window, beads
// counted from the window's pixels, and a modal box answered from a timer so
// that no test blocks on one.

#include "BeadArray.h"
#include "OrdelWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

#include <deque>
#include <random>

namespace gui {

// Hands out the queued values in order; after them a fixed-seed generator, so
// that every run draws the same numbers.
class ScriptedRandom : public ordel::RandomSource {
public:
    explicit ScriptedRandom(std::deque<int> values) : queued(std::move(values)) {}
    void reseed() override {}
    int uniform(int k) override {
        if (queued.empty())
            return std::uniform_int_distribution<int>(1, k)(fallback);
        const int value = queued.front();
        queued.pop_front();
        return value;
    }
    std::deque<int> queued;
    std::mt19937 fallback{12345};
};

// One rod: its add button, its beads, their colour (the button's too) and
// how many beads it holds.
struct RodControls {
    const char* button;
    const char* beads;
    QColor colour;
    int capacity;
};

inline const RodControls kRods[] = {{"Comando_Milhar", "M", QColor(255, 255, 0), 20},
                                    {"Comando_Centena", "C", QColor(0, 192, 0), 40},
                                    {"Comando_Dezena", "D", QColor(255, 0, 0), 70},
                                    {"Comando_Unidade", "U", QColor(0, 0, 255), 60}};
inline const RodControls& kUnits = kRods[3];

// The real window with real Qt message boxes. Start-up draws the first two
// queued values (v1, v2); v2 is the number to build.
struct Fixture {
    explicit Fixture(std::deque<int> draws = {3, 7}) : random(std::move(draws)) {}
    ScriptedRandom random;
    OrdelWindow window{&random};

    template <class T = QWidget> T* find(const char* name) const {
        return window.findChild<T*>(QString::fromUtf8(name));
    }
    [[nodiscard]] QWidget* client() const { return window.centralWidget(); }
    [[nodiscard]] QString caption(const char* control) const {
        return find(control)->property("text").toString();
    }
    void choose(const char* item) const { find<QAction>(item)->trigger(); }
    void click(const char* button, int times = 1) const {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(find(button), Qt::LeftButton);
    }
    // A press at a point of the client area, delivered through the window as
    // the system delivers it: to whatever control takes presses there.
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {}) const {
        const QPoint p = client()->mapTo(&window, at);
        QTest::mousePress(window.windowHandle(), button, modifiers, p);
        QTest::mouseRelease(window.windowHandle(), button, modifiers, p);
    }
    // Bead k of a rod, in pixels of the client area.
    [[nodiscard]] QRect beadRect(const char* beads, int bead) const {
        const auto* array = find<BeadArray>(beads);
        return array->beadRect(bead).translated(array->pos());
    }
    // How many of a rod's beads show in the window's pixels: the first n
    // have over a fifth of their boxes in the rod's colour, the others none
    // of it; -1 if the pixels fit no such n.
    [[nodiscard]] int beadsShown(const RodControls& rod) const {
        const QImage image = client()->grab().toImage();
        int shown = 0;
        for (int bead = 1; bead <= rod.capacity; ++bead) {
            const QRect box = beadRect(rod.beads, bead);
            int n = 0;
            for (int y = box.top(); y <= box.bottom(); ++y) {
                for (int x = box.left(); x <= box.right(); ++x)
                    n += image.pixel(x, y) == rod.colour.rgb() ? 1 : 0;
            }
            if (shown == bead - 1 && n * 5 > box.width() * box.height())
                ++shown;
            else if (n > 0)
                return -1;
        }
        return shown;
    }
};

// What a message box showed, and its text line by line as its label wraps it.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool okOnly = false;
    QStringList lines;
};

// Arm before the click that opens a modal box: the timer fires inside the
// box's own event loop, notes what the box shows and dismisses it. Should no
// box come, nothing is noted and the test's checks fail.
inline void answerNextBox(SeenBox& seen, QObject* context) {
    QTimer::singleShot(0, context, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        seen = {box->windowTitle(), box->text(), box->icon(),
                box->standardButtons() == QMessageBox::Ok, QStringList()};
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QTextLayout layout(seen.text, label->font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label->contentsRect().width());
            seen.lines << seen.text.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        box->done(QMessageBox::Ok);
    });
}

} // namespace gui
