#pragma once

#include <QWidget>
#include <optional>

#include "core/lamp_matrix.h"
#include "gui/lamp_grid_accessible.h"

namespace glyphgrid {

// The lamps inside their square border Shape2, on the main window's client area. Paints them;
// reports presses and hovering in twips of the client area; and can be drawn on from the
// keyboard: the arrow keys move a mark over the lamps, Space or Return toggles the marked lamp,
// and 0 to 3 give it a colour. Screen readers see it as a table of 64 cells.
class LampGrid : public QWidget, public LampTable {
  Q_OBJECT

 public:
  LampGrid(const LampMatrix& lamps, QWidget* client_area);

  // Shows `lamps` from now on: repaints the lamps whose colour changed and tells assistive
  // technology their new colours.
  void ShowLamps(const LampMatrix& lamps);
  // Draws `previous` faintly under the unlit lamps, each in its own colour; nothing for none.
  void ShowOnionSkin(const std::optional<LampMatrix>& previous);

  // The lamp the keyboard draws on.
  LampIndex Mark() const { return mark_; }

  const LampMatrix& ShownLamps() const override { return lamps_; }
  std::optional<LampIndex> FocusedLamp() const override;
  QRect CellRect(LampIndex lamp) const override;

 signals:
  void Pressed(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
  // The pointer moved to (x, y) twips with a button held since a press; the last button let go,
  // or the focus lost, which ends any drag.
  void Dragged(float x, float y);
  void Released();
  void MarkToggled(LampIndex lamp);
  void MarkColoured(LampIndex lamp, LampColour colour);
  // The lamp under the pointer or, without one, the mark while the grid has the focus.
  void Pointed(std::optional<LampIndex> lamp);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QPointF ClientTwips(QPointF position) const;
  void RepaintLamp(LampIndex lamp);
  void MoveMark(LampIndex mark);
  void ReportPointed();

  LampMatrix lamps_;
  std::optional<LampMatrix> onion_skin_;
  LampIndex mark_ = LampCount - 1;
  std::optional<LampIndex> hovered_;
};

}  // namespace glyphgrid
