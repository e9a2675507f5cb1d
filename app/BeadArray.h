#pragma once

#include <QWidget>

class QBrush;
class QPainter;

namespace ordel {
class CountingFrame;
namespace layout {
struct RodLook;
}
} // namespace ordel

// One rod's beads, painted as the counting frame says: each bead is drawn when
// the frame shows it and not otherwise. The widget covers the rod's bead grid
// and lets every mouse press through to the rod's press area beneath it.
class BeadArray : public QWidget {
    Q_OBJECT

public:
    BeadArray(const ordel::CountingFrame& frame, const ordel::layout::RodLook& look,
              QWidget* parent = nullptr);

    // The box of bead k (from 1), in this widget's coordinates.
    [[nodiscard]] QRect beadRect(int bead) const;
    // Repaints bead k alone, after the frame has shown or hidden it.
    void beadChanged(int bead);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintBead(QPainter& painter, int bead, const QBrush& hatch) const;

    const ordel::CountingFrame& frame_;
    const ordel::layout::RodLook& look_;
};
