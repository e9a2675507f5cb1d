#pragma once

#include <QtGlobal>

// Qt's AT-SPI bridge never tells screen readers that a widget became visible
// or hidden, and before Qt 6.8.2 it tells them that a name or a description
// changed without saying what it changed to. installAtSpiRepair() makes the
// program tell them both itself, where Qt does not. Away from Linux, where
// there is no AT-SPI, it is a no-op.
#if defined(ORDEL_ATSPI_REPAIR)
void installAtSpiRepair();
#else
inline void installAtSpiRepair() {}
#endif
