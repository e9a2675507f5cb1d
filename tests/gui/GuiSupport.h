#pragma once

// What the widget tests share: a random source that hands out queued values,
// finding controls by name, reading the window's pixels, and answering a
// modal message box from a timer so that no test blocks on one.

#include "BeadArray.h"
#include "OrdelWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <random>

namespace gui {

// Hands out the values a test queues, in order; after that a fixed-seed
// generator, so that every run draws the same numbers.
class ScriptedRandom : public ordel::RandomSource {
public:
    void queue(std::initializer_list<int> values) {
        values_.insert(values_.end(), values.begin(), values.end());
    }
    void reseed() override {}
    int uniform(int k) override {
        lastRange = k;
        ++draws;
        if (values_.empty())
            return std::uniform_int_distribution<int>(1, k)(fallback_);
        const int value = values_.front();
        values_.pop_front();
        return value;
    }
    int lastRange = 0; // the k of the last value drawn
    int draws = 0;     // values drawn so far

private:
    std::deque<int> values_;
    std::mt19937 fallback_{12345};
};

inline QString name(const char* utf8) {
    return QString::fromUtf8(utf8);
}

template <class T> T* find(const QObject& root, const char* objectName) {
    return root.findChild<T*>(name(objectName));
}

// The window with queued numbers and real Qt message boxes. The first pair
// drawn at start-up is (v1, v2): v2 is the number to build.
struct Fixture {
    explicit Fixture(int v1 = 3, int v2 = 7) {
        random.queue({v1, v2});
        window = std::make_unique<OrdelWindow>(&random);
    }
    ScriptedRandom random;
    std::unique_ptr<OrdelWindow> window;

    [[nodiscard]] QWidget* client() const { return window->centralWidget(); }
    [[nodiscard]] QString caption(const char* label) const {
        return find<QWidget>(*window, label)->property("text").toString();
    }
    void choose(const char* item) const { find<QAction>(*window, item)->trigger(); }
    void click(const char* button, int times = 1) const {
        auto* b = find<QAbstractButton>(*window, button);
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(b, Qt::LeftButton);
    }
    // Bead k of a rod's array, in pixels of the client area.
    [[nodiscard]] QRect beadRect(const char* array, int bead) const {
        auto* beads = find<BeadArray>(*window, array);
        return beads->beadRect(bead).translated(beads->pos());
    }
    [[nodiscard]] QImage grabClient() const { return client()->grab().toImage(); }
};

// How many pixels of the rectangle have exactly the colour.
inline int countColour(const QImage& image, const QRect& rect, QColor colour) {
    int n = 0;
    const QRgb wanted = colour.rgb();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (image.pixel(x, y) == wanted)
                ++n;
        }
    }
    return n;
}

// A bead shows when a fair share of its box is in its rod's colour; a
// hidden bead leaves none of that colour behind.
inline bool beadShown(const QImage& image, const QRect& box, QColor colour) {
    return countColour(image, box, colour) * 5 > box.width() * box.height();
}

struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool okOnly = false;
};

// Arms a timer, before the click that opens a modal box, that waits for the
// box, notes what it shows, lets the test look at it (inspect) and presses its
// OK button. If no box comes, it gives up after a few seconds and closes
// whatever modal window is open, so that the test fails instead of hanging.
inline void answerNextBox(SeenBox& seen, QObject* context,
                          std::function<void(QMessageBox*)> inspect = {}) {
    auto* timer = new QTimer(context);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, context, [timer, tries, &seen, inspect] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            if (++*tries < 500)
                return;
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            timer->deleteLater();
            timer->stop();
            return;
        }
        timer->stop();
        timer->deleteLater();
        seen.seen = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = int(box->buttons().size());
        seen.okOnly = box->standardButtons() == QMessageBox::Ok;
        if (inspect)
            inspect(box);
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    timer->start(10);
}

} // namespace gui
