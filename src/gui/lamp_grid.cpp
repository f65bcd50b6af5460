#include "gui/lamp_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

#include "core/lamp_geometry.h"
#include "gui/arrow_step.h"
#include "gui/twips.h"

namespace glyphgrid {

namespace {

// The square border Shape2 around the lamps, in twips of the client area; the grid covers it.
constexpr TwipRect Shape2 = {1320, 360, 2415, 2415};
constexpr QPointF Origin = {Shape2.left / TwipsPerPixel, Shape2.top / TwipsPerPixel};

QRectF LampRect(LampIndex lamp) {
  return TwipsRectF(LampBounds(lamp)).translated(-Origin);
}

}  // namespace

LampGrid::LampGrid(const LampMatrix& lamps, QWidget* client_area)
    : QWidget(client_area), lamps_(lamps) {
  // Before anything asks for this widget's interface: Qt keeps the first it makes.
  InstallLampTableAccessibility();
  setObjectName("LampGrid");
  setAccessibleName("Lamps");
  setGeometry(TwipsRect(Shape2.left, Shape2.top, Shape2.width, Shape2.height));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void LampGrid::RepaintLamp(LampIndex lamp) {
  // With room for the mark's ring around the lamp.
  update(LampRect(lamp).toAlignedRect().adjusted(-3, -3, 3, 3));
}

void LampGrid::ShowLamps(const LampMatrix& lamps) {
  const LampMatrix shown = std::exchange(lamps_, lamps);
  for (LampIndex i = 0; i < LampCount; ++i) {
    if (lamps_.Colour(i) != shown.Colour(i)) {
      RepaintLamp(i);
      AnnounceLampColour(this, i);
    }
  }
}

void LampGrid::ShowOnionSkin(const std::optional<LampMatrix>& previous) {
  if (previous != onion_skin_) {
    onion_skin_ = previous;
    update();
  }
}

std::optional<LampIndex> LampGrid::FocusedLamp() const {
  return hasFocus() ? std::optional(mark_) : std::nullopt;
}

QRect LampGrid::CellRect(LampIndex lamp) const {
  return LampRect(lamp).toAlignedRect();
}

void LampGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));

  for (LampIndex i = 0; i < LampCount; ++i) {
    const QRectF lamp = LampRect(i).adjusted(0.5, 0.5, -0.5, -0.5);
    if (event->rect().intersects(lamp.toAlignedRect())) {
      painter.setBrush(ToQColor(lamps_.Colour(i)));
      painter.drawEllipse(lamp);
      const LampColour under = onion_skin_ ? onion_skin_->Colour(i) : LampGrey;
      if (lamps_.Colour(i) == LampGrey && under != LampGrey) {
        // Faint enough that nobody takes it for a lit lamp, inside the lamp's own outline.
        QColor faint = ToQColor(under);
        faint.setAlpha(90);
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(faint);
        painter.drawEllipse(lamp.adjusted(2, 2, -2, -2));
        painter.restore();
      }
    }
  }
  if (hasFocus()) {
    // A ring around the marked lamp, in the colour the style gives a focus frame.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRoundedRect(LampRect(mark_).adjusted(-1.5, -1.5, 1.5, 1.5), 4, 4);
  }
}

QPointF LampGrid::ClientTwips(QPointF position) const {
  return (position + Origin) * TwipsPerPixel;
}

void LampGrid::mousePressEvent(QMouseEvent* event) {
  const QPointF twips = ClientTwips(event->position());
  emit Pressed(event->button(), event->modifiers(), static_cast<float>(twips.x()),
               static_cast<float>(twips.y()));
}

// Moving the pointer says which lamp it is over; with a button held it is also a drag, which the
// editor paints with or ignores.
void LampGrid::mouseMoveEvent(QMouseEvent* event) {
  const QPointF twips = ClientTwips(event->position());
  hovered_ = LampAtPress(twips.x(), twips.y());
  ReportPointed();
  if (event->buttons() != Qt::NoButton) {
    emit Dragged(static_cast<float>(twips.x()), static_cast<float>(twips.y()));
  }
}

void LampGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->buttons() == Qt::NoButton) {
    emit Released();
  }
}

void LampGrid::leaveEvent(QEvent* event) {
  hovered_.reset();
  ReportPointed();
  QWidget::leaveEvent(event);
}

void LampGrid::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (modifiers != Qt::NoModifier) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (const std::optional<LampStep> step = ArrowStep(event->key())) {
    MoveMark(LampMovedBy(mark_, step->rows, step->columns));
    return;
  }
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit MarkToggled(mark_);
      break;
    case Qt::Key_0:
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
      emit MarkColoured(mark_, LampPalette[event->key() - Qt::Key_0]);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void LampGrid::MoveMark(LampIndex mark) {
  if (mark == mark_) {
    return;
  }
  RepaintLamp(mark_);
  mark_ = mark;
  RepaintLamp(mark_);
  AnnounceLampFocus(this, mark_);
  ReportPointed();
}

void LampGrid::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  RepaintLamp(mark_);
  AnnounceFocusedLampSoon(this);
  ReportPointed();
}

void LampGrid::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  RepaintLamp(mark_);
  ReportPointed();
  // The window can lose the focus mid-drag and never see the button let go: the drag ends here,
  // so that what it painted is kept.
  emit Released();
}

void LampGrid::ReportPointed() {
  emit Pointed(hovered_ ? hovered_ : hasFocus() ? std::optional(mark_) : std::nullopt);
}

}  // namespace glyphgrid
