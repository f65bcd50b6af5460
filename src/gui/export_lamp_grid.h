#pragma once

#include <QWidget>
#include <optional>

#include "core/lamp_matrix.h"
#include "gui/lamp_grid_accessible.h"

namespace glyphgrid {

// A small copy of the lamp grid in the export dialog. The lamp under the mouse, or else the one
// selected by a click or the arrow keys, is the pointed lamp, drawn with a ring. Screen readers
// see it as the same table of 64 cells as the main grid, the selected lamp focused.
class ExportLampGrid : public QWidget, public LampTable {
  Q_OBJECT

 public:
  ExportLampGrid(const LampMatrix& lamps, QWidget* parent);

  QSize sizeHint() const override;

  std::optional<LampIndex> PointedLamp() const;
  void SelectLamp(std::optional<LampIndex> lamp);

  // Where a lamp is drawn, in the widget's pixels.
  static QRect LampRect(LampIndex lamp);

  const LampMatrix& ShownLamps() const override { return lamps_; }
  std::optional<LampIndex> FocusedLamp() const override;
  QRect CellRect(LampIndex lamp) const override { return LampRect(lamp); }

 signals:
  void PointedLampChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  static std::optional<LampIndex> LampAt(const QPointF& position);
  // Sets the hovered or the selected lamp, and says so when the pointed lamp may have changed.
  void Change(std::optional<LampIndex>& which, std::optional<LampIndex> lamp);

  const LampMatrix lamps_;
  std::optional<LampIndex> hovered_;
  std::optional<LampIndex> selected_;
};

}  // namespace glyphgrid
