#include "BeadArray.h"

#include "WindowLayout.h"
#include "board/CountingFrame.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

using ordel::layout::BeadShape;

// The union of all the rod's bead boxes, in pixels of the client area.
QRect gridRect(const ordel::layout::RodLook& look) {
    QRect all;
    for (int bead = 1; bead <= ordel::info(look.rod).capacity; ++bead)
        all |= ordel::layout::pixels(ordel::layout::beadBox(look, bead));
    return all;
}

// A hatch brush: the platform's 8 x 8 patterns, lines 1 pixel wide and 8
// apart, at the device's resolution. Qt's own pattern brushes keep to 8 device
// pixels, which on a screen of 2 device pixels to the pixel would halve the
// spacing; this one keeps it at 8 pixels of the layout at any scale, with
// lines as wide as a pixel and diagonals that step by device pixels. At 1
// device pixel to the pixel it matches Qt's patterns pixel for pixel.
QBrush hatchBrush(Qt::BrushStyle style, qreal scale) {
    const int side = std::max(8, qRound(8 * scale));
    const qreal s = side / 8.0; // device pixels to the pixel, for whole tiles
    // Whether d lies within half a pixel of a multiple of 8.
    const auto onLine = [](qreal d) {
        return std::fmod(d + 8.5, 8.0) < 1.0;
    };
    QImage tile(side, side, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            // The device pixel's centre, in pixels of the layout.
            const qreal u = (x + 0.5) / s;
            const qreal v = (y + 0.5) / s;
            bool ink = false;
            switch (style) {
            case Qt::CrossPattern:
                ink = int(u) == 4 || int(v) == 3;
                break;
            case Qt::BDiagPattern:
                ink = onLine(u + v);
                break;
            case Qt::DiagCrossPattern:
                ink = onLine(u + v) || onLine(u - v);
                break;
            default:
                return {Qt::black, style};
            }
            if (ink)
                tile.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    tile.setDevicePixelRatio(s);
    return QBrush(tile);
}

void drawShape(QPainter& painter, BeadShape shape, const QRectF& r) {
    if (shape == BeadShape::Ellipse || shape == BeadShape::Circle)
        painter.drawEllipse(r);
    else
        painter.drawRect(r);
}

} // namespace

BeadArray::BeadArray(const ordel::CountingFrame& frame, const ordel::layout::RodLook& look,
                     QWidget* parent)
    : QWidget(parent), frame_(frame), look_(look) {
    setObjectName(QString::fromUtf8(look.beads.name));
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
    // Device pixels to the pixel, wherever this is painted: on the screen, or
    // into a picture at a scale of its own.
    const QBrush hatch = hatchBrush(look_.beads.hatch, painter.deviceTransform().m11());
    for (int bead = 1; bead <= ordel::info(look_.rod).capacity; ++bead) {
        if (frame_.beadVisible(look_.rod, bead) && event->rect().intersects(beadRect(bead)))
            paintBead(painter, bead, hatch);
    }
}

void BeadArray::paintBead(QPainter& painter, int bead, const QBrush& hatch) const {
    QRect box = beadRect(bead);
    if (look_.beads.shape == BeadShape::Square) {
        const int side = ordel::layout::px(look_.beads.squareSide);
        box = QRect(box.left() + (box.width() - side) / 2, box.top() + (box.height() - side) / 2,
                    side, side);
    }
    // The bead, outline and all, fills its box exactly. A 1-pixel outline is
    // centred on the shape's edge, so the shape lies half a pixel in from the
    // box all round. At 1 device pixel to the pixel Qt draws that line on the
    // pixels right of and below the edge instead: there the shape is the box
    // less a pixel at the right and the bottom, which covers the same pixels
    // and keeps the ellipses round.
    const QRectF shape = qFuzzyCompare(painter.deviceTransform().m11(), 1.0)
                             ? QRectF(box.adjusted(0, 0, -1, -1))
                             : QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);

    painter.setPen(Qt::NoPen);
    painter.setBrush(ordel::layout::colour(look_.colour));
    drawShape(painter, look_.beads.shape, shape);
    painter.setBrush(hatch);
    drawShape(painter, look_.beads.shape, shape);

    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(Qt::NoBrush);
    drawShape(painter, look_.beads.shape, shape);
}
