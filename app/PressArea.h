#pragma once

#include <QWidget>

// A rod's press area: draws nothing and reports every mouse-button press on
// it, whichever the button, the modifier keys and the place. Screen readers
// see it as a button whose value is the rod's bead count and whose "Press"
// action takes a bead off, as a mouse press does.
class PressArea : public QWidget {
    Q_OBJECT

public:
    explicit PressArea(QWidget* parent = nullptr);

    // The rod's bead count, as screen readers read it; they are told of each
    // change.
    void setCount(int count);
    [[nodiscard]] int count() const { return count_; }

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
    int count_ = 0;
};
