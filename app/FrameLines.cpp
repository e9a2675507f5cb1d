#include "FrameLines.h"

#include "WindowLayout.h"

#include <QPainter>

namespace {

// Every line with room for its width, in pixels of the client area.
QRect linesRect() {
    QRect all;
    for (const auto& line : ordel::layout::kLines) {
        const QLine l = ordel::layout::pixels(line);
        all |= QRect(l.p1(), l.p2()).normalized();
    }
    const int margin = ordel::layout::kLineWidth;
    return all.adjusted(-margin, -margin, margin, margin);
}

} // namespace

FrameLines::FrameLines(QWidget* parent) : QWidget(parent) {
    setObjectName(QString::fromUtf8(ordel::layout::kLinesName));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(linesRect());
}

QSize FrameLines::sizeHint() const {
    return linesRect().size();
}

void FrameLines::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), ordel::layout::kLineWidth,
                        Qt::SolidLine, Qt::RoundCap));
    painter.translate(-pos());
    for (const auto& line : ordel::layout::kLines)
        painter.drawLine(ordel::layout::pixels(line));
}
