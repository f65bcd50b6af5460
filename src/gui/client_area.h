#pragma once

#include <QWidget>

#include "core/lamp_matrix.h"

namespace glyphgrid {

// The main window's client area: paints the lamp grid and its border, and reports every mouse
// press in twips. The lamps themselves take no input.
class ClientArea : public QWidget {
  Q_OBJECT

 public:
  ClientArea(const LampMatrix& lamps, QWidget* parent);

  QSize sizeHint() const override;

  void UpdateLamp(LampIndex index);

 signals:
  void Pressed(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const LampMatrix& lamps_;
};

}  // namespace glyphgrid
