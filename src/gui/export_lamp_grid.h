#pragma once

#include <QWidget>
#include <optional>

#include "core/lamp_matrix.h"

namespace glyphgrid {

// A small copy of the lamp grid in the export dialog. The lamp under the mouse, or else the one
// selected by a click or the arrow keys, is the pointed lamp, drawn with a ring.
class ExportLampGrid : public QWidget {
  Q_OBJECT

 public:
  ExportLampGrid(const LampMatrix& lamps, QWidget* parent);

  QSize sizeHint() const override;

  std::optional<LampIndex> PointedLamp() const;
  void SelectLamp(std::optional<LampIndex> lamp);

  // Where a lamp is drawn, in the widget's pixels.
  static QRect LampRect(LampIndex lamp);

 signals:
  void PointedLampChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  static std::optional<LampIndex> LampAt(const QPointF& position);
  // Sets the hovered or the selected lamp, and says so when the pointed lamp may have changed.
  void Change(std::optional<LampIndex>& which, std::optional<LampIndex> lamp);

  const LampMatrix lamps_;
  std::optional<LampIndex> hovered_;
  std::optional<LampIndex> selected_;
};

}  // namespace glyphgrid
