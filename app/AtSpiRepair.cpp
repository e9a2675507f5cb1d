#include "AtSpiRepair.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>

// Why this exists: Orca, and other screen readers on the AT-SPI bus, speak a
// changed name or description of the focused control from the text carried
// by the change event alone, and their flat review keeps a control's old
// caption until an event brings the new one. Qt's bridge before 6.8.2 puts
// the control's own object reference where that text belongs (6.8.2 sends
// the text), so the pupil would hear nothing when a bead goes on or off and
// would hear a stale exercise. And every Qt up to 6.8.2 at least announces a
// shown or hidden widget as "showing" only, never "visible", so the operands
// that appear at level "Avançado" would stay out of flat review. Each such
// event is sent on as usual, and then sent once more, right, on the bridge's
// own connection, so that it comes from the program's own name on the bus.

namespace {

QAccessible::UpdateHandler previousHandler = nullptr;

// The path under which the bridge shows an interface on the bus.
QString busPath(QAccessibleInterface* iface) {
    if (iface->role() == QAccessible::Application)
        return QStringLiteral("/org/a11y/atspi/accessible/root");
    return QStringLiteral("/org/a11y/atspi/accessible/") +
           QString::number(QAccessible::uniqueId(iface));
}

void send(QAccessibleInterface* iface, const QString& member, const QString& kind, int detail,
          const QVariant& value) {
    // The connection the bridge opened to the accessibility bus; none while
    // no screen reader has asked for it.
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        busPath(iface), QStringLiteral("org.a11y.atspi.Event.Object"), member);
    signal << kind << detail << 0 << QVariant::fromValue(QDBusVariant(value)) << QVariantMap();
    bus.send(signal);
}

// Whether Qt's bridge leaves something untold for this kind of event.
bool needsRepair(QAccessible::Event type) {
    switch (type) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 2)
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
#endif
    case QAccessible::ObjectShow:
    case QAccessible::ObjectHide:
        return true;
    default:
        return false;
    }
}

void repair(QAccessibleEvent* event) {
    // Most events need nothing: their interface is not even looked up.
    if (!needsRepair(event->type()))
        return;
    QAccessibleInterface* iface = event->accessibleInterface();
    if (iface == nullptr || !iface->isValid())
        return;
    switch (event->type()) {
    case QAccessible::NameChanged:
        send(iface, QStringLiteral("PropertyChange"), QStringLiteral("accessible-name"), 0,
             iface->text(QAccessible::Name));
        break;
    case QAccessible::DescriptionChanged:
        send(iface, QStringLiteral("PropertyChange"), QStringLiteral("accessible-description"), 0,
             iface->text(QAccessible::Description));
        break;
    default: // shown or hidden
        send(iface, QStringLiteral("StateChanged"), QStringLiteral("visible"),
             event->type() == QAccessible::ObjectShow ? 1 : 0, 0);
        break;
    }
}

void handle(QAccessibleEvent* event) {
    // First the bridge's own event, as Qt would send it without this handler.
    if (previousHandler != nullptr) {
        previousHandler(event);
    } else {
        QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(handle);
    }
    if (QAccessible::isActive())
        repair(event);
}

} // namespace

void installAtSpiRepair() {
    static const bool installed =
        (previousHandler = QAccessible::installUpdateHandler(handle), true);
    Q_UNUSED(installed);
}
