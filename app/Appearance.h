#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

class QWidget;

namespace ordel::layout {
struct Rgb;
}

// How the window looks beyond its layout: the font, the add buttons' faces,
// the answer boxes' background and the window's icon.

// All text on the window is bold "MS Sans Serif", or a common sans-serif face
// where that one is missing, at the given size in points.
QFont windowFont(double points);

// The style sheet that gives an add button its face colour.
QString addButtonStyle(ordel::layout::Rgb face);

// The colour of a scroll bar's groove as the running style paints it, under
// the widget's palette: the answer boxes' background.
QColor grooveColour(const QWidget* context);

// The program's icon: its drawing at any size where Qt's SVG icon engine is
// installed, else its 32 x 32 images.
QIcon programIcon();
