#include "PressArea.h"

#include "WindowLayout.h"
#include "board/CountingFrame.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>

#include <climits>

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

// What assistive technology sees of a press area: a button with the standard
// press action and the rod's bead count as its value, which only the pupil's
// beads change.
class AccessibleArea : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleArea(PressArea* area) : QAccessibleWidget(area, QAccessible::Button) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            area()->press();
        else
            QAccessibleWidget::doAction(actionName);
    }

    [[nodiscard]] QVariant currentValue() const override { return area()->count(); }
    void setCurrentValue(const QVariant& /*value*/) override {}
    [[nodiscard]] QVariant maximumValue() const override { return INT_MAX; }
    [[nodiscard]] QVariant minimumValue() const override { return 0; }
    [[nodiscard]] QVariant minimumStepSize() const override { return 1; }

private:
    [[nodiscard]] PressArea* area() const { return static_cast<PressArea*>(widget()); }
};

QAccessibleInterface* accessibleAreas(const QString& /*className*/, QObject* object) {
    auto* area = qobject_cast<PressArea*>(object);
    return area != nullptr ? new AccessibleArea(area) : nullptr;
}

} // namespace

PressArea::PressArea(const ordel::CountingFrame& frame, ordel::Rod rod, QWidget* parent)
    : QWidget(parent), frame_(frame), rod_(rod) {
    // Before anything asks for an area's interface, which Qt keeps.
    static const bool installed = (QAccessible::installFactory(accessibleAreas), true);
    Q_UNUSED(installed);
}

int PressArea::count() const {
    return frame_.count(rod_);
}

void PressArea::countChanged() {
    QAccessibleValueChangeEvent event(this, count());
    QAccessible::updateAccessibility(&event);
}

void PressArea::press() {
    emit pressed(1, 0, 0, 0);
}

void PressArea::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() * ordel::layout::kTwipsPerPixel;
    event->accept();
    emit pressed(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}
