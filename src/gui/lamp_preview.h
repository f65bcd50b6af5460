#pragma once

#include <QWidget>

#include "core/lamp_matrix.h"

namespace glyphgrid {

// A small 8 x 8 lamp picture in a dialog, drawn as the board shows it.
class LampPreview : public QWidget {
 public:
  LampPreview(const char* name, const QString& accessible_name);

  void Show(const LampMatrix& lamps);
  const LampMatrix& Shown() const { return lamps_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  LampMatrix lamps_;
};

}  // namespace glyphgrid
