#include "gui/export_lamp_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "gui/arrow_step.h"
#include "gui/twips.h"

namespace glyphgrid {

namespace {

constexpr int Cell = 22;
constexpr int Margin = 4;
constexpr int Side = LampsPerRow * Cell + 2 * Margin;

}  // namespace

ExportLampGrid::ExportLampGrid(const LampMatrix& lamps, QWidget* parent)
    : QWidget(parent), lamps_(lamps) {
  InstallLampTableAccessibility();
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setFixedSize(sizeHint());
  setAccessibleName("Lamps");
  setAccessibleDescription("Move with the arrow keys to a lamp to see its byte and bit");
}

QSize ExportLampGrid::sizeHint() const {
  return {Side, Side};
}

QRect ExportLampGrid::LampRect(LampIndex lamp) {
  // Columns count from the right and rows from the bottom.
  const int x = Margin + (LampsPerRow - 1 - LampColumn(lamp)) * Cell;
  const int y = Margin + (LampsPerRow - 1 - LampRow(lamp)) * Cell;
  return {x, y, Cell, Cell};
}

std::optional<LampIndex> ExportLampGrid::LampAt(const QPointF& position) {
  const double x = (position.x() - Margin) / Cell;
  const double y = (position.y() - Margin) / Cell;
  if (!(x >= 0 && x < LampsPerRow && y >= 0 && y < LampsPerRow)) {
    return std::nullopt;
  }
  return LampIndexOf(LampsPerRow - 1 - static_cast<int>(y), LampsPerRow - 1 - static_cast<int>(x));
}

std::optional<LampIndex> ExportLampGrid::PointedLamp() const {
  return hovered_ ? hovered_ : selected_;
}

void ExportLampGrid::SelectLamp(std::optional<LampIndex> lamp) {
  if (lamp == selected_) {
    return;
  }
  Change(selected_, lamp);
  if (hasFocus() && lamp) {
    AnnounceLampFocus(this, *lamp);
  }
}

std::optional<LampIndex> ExportLampGrid::FocusedLamp() const {
  return hasFocus() ? selected_ : std::nullopt;
}

void ExportLampGrid::Change(std::optional<LampIndex>& which, std::optional<LampIndex> lamp) {
  if (lamp == which) {
    return;
  }
  which = lamp;
  update();
  emit PointedLampChanged();
}

void ExportLampGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const std::optional<LampIndex> pointed = PointedLamp();
  for (LampIndex i = 0; i < LampCount; ++i) {
    const QRectF lamp = QRectF(LampRect(i)).adjusted(3, 3, -3, -3);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ToQColor(lamps_.Colour(i)));
    painter.drawEllipse(lamp);
    if (i == pointed || i == selected_) {
      painter.setBrush(Qt::NoBrush);
      painter.setPen(QPen(palette().color(QPalette::Highlight), i == pointed ? 3 : 1.5));
      painter.drawEllipse(lamp.adjusted(-2, -2, 2, 2));
    }
  }
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void ExportLampGrid::mouseMoveEvent(QMouseEvent* event) {
  Change(hovered_, LampAt(event->position()));
}

void ExportLampGrid::mousePressEvent(QMouseEvent* event) {
  if (const std::optional<LampIndex> lamp = LampAt(event->position())) {
    SelectLamp(lamp);
  }
}

void ExportLampGrid::leaveEvent(QEvent*) {
  Change(hovered_, std::nullopt);
}

void ExportLampGrid::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  AnnounceFocusedLampSoon(this);
}

void ExportLampGrid::keyPressEvent(QKeyEvent* event) {
  const std::optional<LampStep> step = ArrowStep(event->key());
  if (!step) {
    QWidget::keyPressEvent(event);
    return;
  }
  // The first arrow selects the top-left lamp; the selection stops at the edges.
  SelectLamp(selected_ ? LampMovedBy(*selected_, step->rows, step->columns) : LampCount - 1);
}

}  // namespace glyphgrid
