#pragma once

#include <QColor>
#include <QIcon>
#include <QRectF>
#include <vector>

class QPainter;

namespace glyphgrid {

// One shape of the icon's picture: a rounded square (the board) or an ellipse (a lamp), filled.
struct IconShape {
  enum class Kind { RoundedSquare, Ellipse };
  Kind kind;
  QRectF bounds;
  double corner_radius;  // for RoundedSquare
  QColor colour;
};

// The program's icon, a heart on a board of 8 x 8 lamps, as shapes in the square
// (0, 0, size, size), back to front. The window icon and the installed PNG and SVG icons are all
// drawn from these.
std::vector<IconShape> AppIconShapes(int size);

void PaintAppIcon(QPainter& painter, int size);

// The window icon, drawn at 16, 32 and 48 pixels.
QIcon AppIcon();

}  // namespace glyphgrid
