// The window's keys: what the add buttons do with Backspace and Delete, and
// F1 and F2 anywhere in the window. None is a shortcut: a shortcut takes its
// key before Qt hands it to the screen reader, which then neither echoes the
// key nor stops what it was saying.

#include "OrdelWindow.h"

#include "Accessibility.h"
#include "PressArea.h"

#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

bool OrdelWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto* found = std::find(buttons_.cbegin(), buttons_.cend(), watched);
    if (found == buttons_.cend())
        return QMainWindow::eventFilter(watched, event);
    const ordel::Rod rod = ordel::kAllRods[static_cast<std::size_t>(found - buttons_.cbegin())];
    if (event->type() == QEvent::FocusIn)
        accessibility::arriveOnButton(rod, core_.frame().count(rod), *found);
    if (event->type() != QEvent::KeyPress)
        return false;
    // With the button focused, Backspace and Delete take the rod's last bead
    // off through the same handler as a press on the rod: without a mouse a
    // wrong bead need not spoil the board. One bead per key press: a held
    // key's repeats do nothing.
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Backspace && key->key() != Qt::Key_Delete)
        return false;
    if (!key->isAutoRepeat())
        areas_[index(rod)]->press();
    return true;
}

void OrdelWindow::keyPressEvent(QKeyEvent* event) {
    // Keys that no control took; the menus show no key beside their items.
    switch (event->modifiers() == Qt::NoModifier ? event->key() : 0) {
    case Qt::Key_F1: // the help, as in most desktop programs
        MnuTópicos_Click();
        break;
    case Qt::Key_F2: // the whole board, to the screen reader
        accessibility::tellBoard(core_, this);
        break;
    default:
        QMainWindow::keyPressEvent(event);
        return;
    }
    event->accept();
}
