#include "BeadArray.h"

#include "WindowLayout.h"
#include "board/CountingFrame.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

using ordel::layout::BeadShape;

// The union of all the rod's bead boxes, in pixels of the client area.
QRect gridRect(const ordel::layout::RodLook& look) {
    QRect all;
    for (int bead = 1; bead <= ordel::info(look.rod).capacity; ++bead)
        all |= ordel::layout::pixels(ordel::layout::beadBox(look, bead));
    return all;
}

void drawShape(QPainter& painter, BeadShape shape, const QRect& r) {
    if (shape == BeadShape::Ellipse || shape == BeadShape::Circle)
        painter.drawEllipse(r);
    else
        painter.drawRect(r);
}

} // namespace

BeadArray::BeadArray(const ordel::CountingFrame& frame, const ordel::layout::RodLook& look,
                     QWidget* parent)
    : QWidget(parent), frame_(frame), look_(look) {
    setObjectName(QString::fromUtf8(look.beads.name.data(), qsizetype(look.beads.name.size())));
    // A press on a bead is a press on the rod's area beneath it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(gridRect(look));
}

QRect BeadArray::beadRect(int bead) const {
    return ordel::layout::pixels(ordel::layout::beadBox(look_, bead)).translated(-pos());
}

void BeadArray::beadChanged(int bead) {
    update(beadRect(bead));
}

QSize BeadArray::sizeHint() const {
    return gridRect(look_).size();
}

void BeadArray::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The hatching lines up across the whole client area, as one brush would.
    painter.setBrushOrigin(-pos());
    for (int bead = 1; bead <= ordel::info(look_.rod).capacity; ++bead) {
        if (frame_.beadVisible(look_.rod, bead) && event->rect().intersects(beadRect(bead)))
            paintBead(painter, bead);
    }
}

void BeadArray::paintBead(QPainter& painter, int bead) const {
    QRect box = beadRect(bead);
    if (look_.beads.shape == BeadShape::Square) {
        const int side = ordel::layout::px(look_.beads.squareSide);
        box = QRect(box.left() + (box.width() - side) / 2, box.top() + (box.height() - side) / 2,
                    side, side);
    }
    // A shape with a 1-pixel outline drawn in r covers r's size plus one pixel
    // to the right and below: shrink it so that the bead fills its box exactly.
    const QRect shape = box.adjusted(0, 0, -1, -1);

    painter.setPen(Qt::NoPen);
    painter.setBrush(ordel::layout::colour(look_.colour));
    drawShape(painter, look_.beads.shape, shape);
    painter.setBrush(QBrush(Qt::black, look_.beads.hatch));
    drawShape(painter, look_.beads.shape, shape);

    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(Qt::NoBrush);
    drawShape(painter, look_.beads.shape, shape);
}
