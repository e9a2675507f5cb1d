#pragma once

#include <QWidget>

// A rod's press area: draws nothing and reports every mouse-button press on
// it, whichever the button, the modifier keys and the place.
class PressArea : public QWidget {
    Q_OBJECT

public:
    explicit PressArea(QWidget* parent = nullptr);

signals:
    // The button (1 left, 2 right, 4 middle), the modifier keys (1 Shift,
    // 2 Ctrl, 4 Alt) and the place of the press in twips from the area's
    // top-left corner.
    void pressed(int button, int shift, int x, int y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
