#include "PressArea.h"

#include "WindowLayout.h"
#include "board/CountingFrame.h"

#include <QMouseEvent>

namespace {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

} // namespace

PressArea::PressArea(const ordel::CountingFrame& frame, ordel::Rod rod, QWidget* parent)
    : QWidget(parent), frame_(frame), rod_(rod) {}

int PressArea::count() const {
    return frame_.count(rod_);
}

void PressArea::press() {
    emit pressed(1, 0, 0, 0);
}

void PressArea::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() * ordel::layout::kTwipsPerPixel;
    event->accept();
    emit pressed(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}
