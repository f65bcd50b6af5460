#pragma once

#include <QDialog>

#include "core/animation.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace glyphgrid {

class Toolkit;

// File > Export Picture...: the current frame in a PNG, every frame in a PNG sprite sheet (one
// row or a grid) or in an animated GIF, drawn as the board shows them at a lamp size, with the
// current frame previewed as the file will hold it. Save... makes the picture, asks for its file
// and writes it; a failure is shown and the dialog stays.
class ExportPictureDialog : public QDialog {
  Q_OBJECT

 public:
  ExportPictureDialog(Toolkit& toolkit, const Animation& animation, int frame, QWidget* parent);

 private:
  enum Kind { FramePng, RowSheet, GridSheet, AnimatedGif };

  void ShowPreview();
  void SavePicture();

  Toolkit& toolkit_;
  Animation animation_;
  int frame_;
  QComboBox* kind_;
  QSpinBox* lamp_size_;
  QLabel* preview_;
  QLabel* note_;
};

}  // namespace glyphgrid
