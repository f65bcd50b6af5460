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
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(40, 40, 40));
  painter.drawRoundedRect(QRectF(0, 0, size, size), size / 8.0, size / 8.0);
  const double cell = size / 8.0;
  const double inset = size >= 32 ? cell * 0.12 : 0;
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 8; ++column) {
      const bool lit = IconPicture[row][column] == 'R';
      painter.setBrush(lit ? QColor(255, 0, 0) : QColor(128, 128, 128));
      painter.drawEllipse(
          QRectF(column * cell + inset, row * cell + inset, cell - 2 * inset, cell - 2 * inset));
    }
  }
  return pixmap;
}

}  // namespace

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) {
    icon.addPixmap(IconPixmap(size));
  }
  return icon;
}

}  // namespace glyphgrid
