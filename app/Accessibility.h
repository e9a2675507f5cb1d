#pragma once

#include <QString>

class PressArea;
class QWidget;

namespace ordel {
class Ordel;
enum class LabelId;
enum class Rod;
} // namespace ordel

// Everything a screen reader hears of the window, in the pupil's words: the
// controls' names and descriptions, the rods' counts, the exercise, and how
// Qt is to show the window's own kinds of controls. The window calls these as
// it builds its controls and as the core's state changes.
namespace accessibility {

// Has Qt show each press area as a button with a "Press" action and the
// rod's count as its value, and the labels that no pupil can see as nothing;
// and makes the program tell screen readers what Qt's bridge leaves untold.
// Once, before the first control is built.
void install();

// The names and descriptions a rod's controls are built with.
void nameRod(ordel::Rod rod, PressArea* area, QWidget* beads, QWidget* answer);
// A rod's count, after every change: on the rod's area and beads, and as its
// add button's description, where the focus is while beads go on and off
// (screen readers speak a change of the focused control only). The focused
// button's description is the count alone, so that each bead is told short;
// arriveOnButton() gives a button, as the focus arrives on it, the count
// followed by what its keys do.
void tellCount(ordel::Rod rod, int count, PressArea* area, QWidget* beads, QWidget* button);
void arriveOnButton(ordel::Rod rod, int count, QWidget* button);

void nameCheckButton(QWidget* check);
void nameLabel(ordel::LabelId id, QWidget* label);
// Before a label shows a new caption: a sign is read as its word, anything
// else as it stands. Numero2's description follows the level.
void tellCaption(QWidget* label, const QString& caption);
void tellLevel(bool beginner, QWidget* numero2);

// The window's name: its title and the exercise set now, as in "Ordel,
// forme o número 7" or "Ordel, 2 mais 7 igual". Screen readers read it on
// entering the window, when asked for the title, and when it changes. The
// title a sighted pupil sees stays "Ordel".
void tellExercise(const ordel::Ordel& core, QWidget* window);
// Has the screen reader say where the pupil is and the whole board at once:
// the level, the mode and, at level "Avançado", the operation, which no menu
// shows; then the exercise and each rod's count, thousands first. Nothing on
// the window changes.
void tellBoard(const ordel::Ordel& core, QWidget* window);
// A message box's accessible name: its title, and its text when that is
// short enough to stand beside it on a braille line, which shows a box's
// name and its focused button but not its text.
QString messageBoxName(const QString& title, const QString& text);

// The phrases themselves.
QString signWord(const QString& caption);   // empty for what is not a sign
QString beadCount(int count);               // "1 conta", "2 contas"
QString exercise(const ordel::Ordel& core); // with the program's title
QString board(const ordel::Ordel& core);

} // namespace accessibility
