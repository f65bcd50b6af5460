#include "gui/lamp_preview.h"

#include <QPainter>

#include "gui/twips.h"

namespace glyphgrid {

namespace {

constexpr int PreviewCell = 16;
constexpr int PreviewSide = LampsPerRow * PreviewCell;

}  // namespace

LampPreview::LampPreview(const char* name, const QString& accessible_name) {
  setObjectName(name);
  setAccessibleName(accessible_name);
  setFixedSize(PreviewSide, PreviewSide);
}

void LampPreview::Show(const LampMatrix& lamps) {
  lamps_ = lamps;
  update();
}

void LampPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), Qt::black);
  for (LampIndex i = 0; i < LampCount; ++i) {
    const QRectF cell((LampsPerRow - 1 - LampColumn(i)) * PreviewCell,
                      (LampsPerRow - 1 - LampRow(i)) * PreviewCell, PreviewCell, PreviewCell);
    painter.setBrush(ToQColor(lamps_.Colour(i)));
    painter.drawEllipse(cell.adjusted(2, 2, -2, -2));
  }
}

}  // namespace glyphgrid
