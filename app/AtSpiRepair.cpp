#include "AtSpiRepair.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#include <QWidget>

// Why this exists: Orca, and other screen readers on the AT-SPI bus, speak a
// changed name or description of the focused control from the text carried
// by the change event alone, and their flat review keeps a control's old
// caption until an event brings the new one. Qt's bridge before 6.8.2 puts
// the control's own object reference where that text belongs (6.8.2 sends
// the text), so the pupil would hear nothing when a bead goes on or off and
// would hear a stale exercise, and Orca logs an error for each such event.
// Those events are therefore not handed to Qt's bridge at all: the program
// sends each one itself, with its text, on the bridge's own connection, so
// that it comes from the program's own name on the bus. And every Qt up to
// 6.8.2 at least announces a shown or hidden widget as "showing" only, never
// "visible", so the operands that appear at level "Avançado" would stay out
// of flat review: that event goes to the bridge as usual and is followed by
// the "visible" one.
//
// This file is the only place that asks which Qt it runs on: each path the
// bridge needs is chosen here.

namespace {

QAccessible::UpdateHandler previousHandler = nullptr;
void (*announcementWatcher)(const QString& text) = nullptr;

void handle(QAccessibleEvent* event);

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

void sendDescription(QAccessibleInterface* iface, const QString& text) {
    send(iface, QStringLiteral("PropertyChange"), QStringLiteral("accessible-description"), 0,
         text);
}

// Whether the bridge's own event for this kind is wrong, and the program's
// takes its place.
constexpr bool replaced(QAccessible::Event type) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 2)
    return type == QAccessible::NameChanged || type == QAccessible::DescriptionChanged;
#else
    Q_UNUSED(type);
    return false;
#endif
}

// Whether the bridge's own event for this kind is right but leaves something
// untold, which the program tells after it.
constexpr bool followed(QAccessible::Event type) {
    return type == QAccessible::ObjectShow || type == QAccessible::ObjectHide;
}

void passToBridge(QAccessibleEvent* event) {
    if (previousHandler != nullptr) {
        previousHandler(event);
    } else {
        // As Qt would send it without this handler.
        QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(handle);
    }
}

void handle(QAccessibleEvent* event) {
    const QAccessible::Event type = event->type();
    // Most events need nothing: their interface is not even looked up.
    if (!replaced(type)) {
        passToBridge(event);
        if (!followed(type))
            return;
    }
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* iface = event->accessibleInterface();
    if (iface == nullptr || !iface->isValid())
        return;
    switch (type) {
    case QAccessible::NameChanged:
        send(iface, QStringLiteral("PropertyChange"), QStringLiteral("accessible-name"), 0,
             iface->text(QAccessible::Name));
        break;
    case QAccessible::DescriptionChanged:
        sendDescription(iface, iface->text(QAccessible::Description));
        break;
    default: // shown or hidden
        send(iface, QStringLiteral("StateChanged"), QStringLiteral("visible"),
             type == QAccessible::ObjectShow ? 1 : 0, 0);
        break;
    }
}

QtMessageHandler previousMessageHandler = nullptr;

// Orca 48 asks the bridge for kinds of event that Qt 6.8's bridge does not
// know ("Window:Destroy:"), and the bridge prints a warning for each, at every
// start of the screen reader. Nothing is lost (Ordel's windows are told
// closed otherwise), so that one warning, and only it, is kept off the
// program's standard error.
void message(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && context.category != nullptr &&
        qstrcmp(context.category, "qt.accessibility.atspi") == 0 &&
        text.startsWith(QLatin1String("Subscription string not handled")))
        return;
    previousMessageHandler(type, context, text);
}

} // namespace

void installAtSpiRepair() {
    static const bool installed = (previousHandler = QAccessible::installUpdateHandler(handle),
                                   previousMessageHandler = qInstallMessageHandler(message), true);
    Q_UNUSED(installed);
}

void watchAnnouncements(void (*watcher)(const QString& text)) {
    announcementWatcher = watcher;
}

void announce(QWidget* window, const QString& text) {
    if (announcementWatcher != nullptr)
        announcementWatcher(text);
    if (!QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 has announcements, and Orca 48 speaks them (object:announcement).
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
#else
    // Before 6.8 Qt has no announcement, and Orca 43 listens for none. What
    // Orca 43 does speak at once is a changed description of the focused
    // control, from the event's text: the phrase goes out as such an event,
    // and the control's own description stays as it is. Orca also keeps the
    // last description it heard of each control and says nothing when the
    // same one comes again, so an empty one goes first: the phrase is told
    // each time it is asked for.
    QWidget* focus = window->focusWidget();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(
        focus != nullptr && focus->hasFocus() ? focus : window);
    if (iface == nullptr)
        return;
    sendDescription(iface, QString());
    sendDescription(iface, text);
#endif
}

void announceNewName(QWidget* window, const QString& text) {
    // Orca 48 and Orca 43 alike drop a window-name change whose text they have
    // already read while handling a focus move (the focus going back to a
    // rod's button as a menu closes, just before the name changes): the new
    // exercise would go unsaid. Told as an announcement, it is not dropped.
    // After a right answer the window is still on its way back from the
    // message box, none of its controls has the focus yet, and both read the
    // window's new name as it comes back: an announcement would say it twice.
    const QWidget* focus = window->focusWidget();
    if (focus != nullptr && focus->hasFocus())
        announce(window, text);
}
