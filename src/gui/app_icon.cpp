#include "gui/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace glyphgrid {

namespace {

// A heart in an 8 x 8 grid, top row first: enough to tell the program apart in a task bar.
constexpr const char* IconPicture[] = {
    "........", ".RR..RR.", "RRRRRRRR", "RRRRRRRR", ".RRRRRR.", "..RRRR..", "...RR...", "........",
};

QPixmap IconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  PaintAppIcon(painter, size);
  return pixmap;
}

}  // namespace

std::vector<IconShape> AppIconShapes(int size) {
  std::vector<IconShape> shapes;
  shapes.push_back(
      {IconShape::Kind::RoundedSquare, QRectF(0, 0, size, size), size / 8.0, QColor(40, 40, 40)});
  const double cell = size / 8.0;
  // Below 32 pixels the lamps fill their cells: a gap would leave little of them.
  const double inset = size >= 32 ? cell * 0.12 : 0;
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 8; ++column) {
      const bool lit = IconPicture[row][column] == 'R';
      shapes.push_back(
          {IconShape::Kind::Ellipse,
           QRectF(column * cell + inset, row * cell + inset, cell - 2 * inset, cell - 2 * inset), 0,
           lit ? QColor(255, 0, 0) : QColor(128, 128, 128)});
    }
  }
  return shapes;
}

void PaintAppIcon(QPainter& painter, int size) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  for (const IconShape& shape : AppIconShapes(size)) {
    painter.setBrush(shape.colour);
    if (shape.kind == IconShape::Kind::RoundedSquare) {
      painter.drawRoundedRect(shape.bounds, shape.corner_radius, shape.corner_radius);
    } else {
      painter.drawEllipse(shape.bounds);
    }
  }
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) {
    icon.addPixmap(IconPixmap(size));
  }
  return icon;
}

}  // namespace glyphgrid
