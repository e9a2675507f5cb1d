#pragma once

#include "board/Rods.h"

#include <QWidget>

namespace ordel {
class CountingFrame;
}

// A rod's press area: draws nothing and reports every mouse-button press on
// it, whichever the button, the modifier keys and the place.
class PressArea : public QWidget {
    Q_OBJECT

public:
    PressArea(const ordel::CountingFrame& frame, ordel::Rod rod, QWidget* parent = nullptr);

    // The rod's bead count.
    [[nodiscard]] int count() const;

    // A press without the mouse (a key, or a screen reader's action), reported
    // as a left-button press with no modifier at the area's corner.
    void press();

signals:
    // The button (1 left, 2 right, 4 middle), the modifier keys (1 Shift,
    // 2 Ctrl, 4 Alt) and the place of the press in twips from the area's
    // top-left corner.
    void pressed(int button, int shift, int x, int y);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    const ordel::CountingFrame& frame_;
    ordel::Rod rod_;
};
