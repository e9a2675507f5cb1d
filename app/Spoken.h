#pragma once

#include <QString>

namespace ordel {
class Ordel;
enum class Rod;
} // namespace ordel

// What screen readers say of the window, in the pupil's words.
namespace spoken {

// The word for a sign: "x" and ":" would be read as a letter and a
// punctuation mark. Empty for anything that is not a sign.
QString signWord(const QString& caption);

// A rod's bead count: "1 conta", "2 contas".
QString beadCount(int count);

// The window's accessible name: the program's title and the exercise set
// now, as in "Ordel, forme o número 7" or "Ordel, 2 mais 7 igual". The
// title a sighted pupil sees stays "Ordel"; this is what a screen reader
// reads when the window is entered and when it is asked for the title.
QString exercise(const ordel::Ordel& core);

} // namespace spoken
