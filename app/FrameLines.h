#pragma once

#include <QWidget>

// The nine lines of the counting frame (Line1, elements 0 to 8), 3 pixels wide
// in the window-text colour. They take no mouse input.
class FrameLines : public QWidget {
    Q_OBJECT

public:
    explicit FrameLines(QWidget* parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
