#include "gui/client_area.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "core/lamp_geometry.h"
#include "gui/twips.h"

namespace glyphgrid {

namespace {

constexpr int ClientWidth = 6825;
constexpr int ClientHeight = 4080;

// The square border Shape2 around the lamps.
constexpr TwipRect Shape2 = {1320, 360, 2415, 2415};

QRectF LampRectF(LampIndex index) {
  return TwipsRectF(LampBounds(index));
}

}  // namespace

ClientArea::ClientArea(const LampMatrix& lamps, QWidget* parent) : QWidget(parent), lamps_(lamps) {
  setObjectName("ClientArea");
  setMinimumSize(sizeHint());
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::Button));
  setPalette(colours);
}

QSize ClientArea::sizeHint() const {
  return {TwipsToPixels(ClientWidth), TwipsToPixels(ClientHeight)};
}

void ClientArea::UpdateLamp(LampIndex index) {
  update(LampRectF(index).toAlignedRect().adjusted(-1, -1, 1, 1));
}

void ClientArea::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));

  const QRectF border = TwipsRectF(Shape2).adjusted(0.5, 0.5, -0.5, -0.5);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(border);

  for (LampIndex i = 0; i < LampCount; ++i) {
    const QRectF lamp = LampRectF(i).adjusted(0.5, 0.5, -0.5, -0.5);
    if (!event->rect().intersects(lamp.toAlignedRect())) {
      continue;
    }
    painter.setBrush(ToQColor(lamps_.Colour(i)));
    painter.drawEllipse(lamp);
  }
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
  const QPointF position = event->position();
  emit Pressed(event->button(), event->modifiers(),
               static_cast<float>(position.x() * TwipsPerPixel),
               static_cast<float>(position.y() * TwipsPerPixel));
}

}  // namespace glyphgrid
