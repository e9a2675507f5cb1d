#pragma once

#include <QtGlobal>

class QString;
class QWidget;

// Qt's AT-SPI bridge never tells screen readers that a widget became visible
// or hidden, and before Qt 6.8.2 it tells them that a name or a description
// changed without saying what it changed to. installAtSpiRepair() makes the
// program tell them both itself, where Qt does not. announce() has the
// screen reader say a phrase now, and announceNewName() tells the window's
// new name where the name change alone may go unheard; each takes the way
// that the Qt in use allows. Away from Linux, where there is no AT-SPI, all
// are no-ops.
#if defined(ORDEL_ATSPI_REPAIR)
void installAtSpiRepair();
void announce(QWidget* window, const QString& text);
void announceNewName(QWidget* window, const QString& text);
// The window's test sees each phrase that announce() sends, or would send
// with a screen reader listening, through this function (none by default).
void watchAnnouncements(void (*watcher)(const QString& text));
#else
inline void installAtSpiRepair() {}
inline void announce(QWidget* /*window*/, const QString& /*text*/) {}
inline void announceNewName(QWidget* /*window*/, const QString& /*text*/) {}
inline void watchAnnouncements(void (* /*watcher*/)(const QString& text)) {}
#endif
