#pragma once

#include <QDialog>
#include <vector>

#include "core/animation.h"
#include "core/picture.h"
#include "core/picture_mapping.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QSlider;
class QSpinBox;

namespace glyphgrid {

class LampPreview;
class PictureView;

// File > Import Picture...: the picture's first frame beside the lamps it makes, remade as the
// scale, crop corner, threshold, invert, colours and sheet change. OK is off while the picture
// makes no frames; the note says why, or how many frames OK inserts.
class ImportPictureDialog : public QDialog {
  Q_OBJECT

 public:
  ImportPictureDialog(Picture picture, int delay, QWidget* parent);

  const std::vector<Frame>& Frames() const { return frames_; }

 private:
  void Remake();

  Picture picture_;
  int delay_;
  PictureView* view_;
  LampPreview* preview_;
  QComboBox* scale_;
  QSpinBox* crop_x_;
  QSpinBox* crop_y_;
  QSlider* threshold_;
  QLabel* threshold_value_;
  QCheckBox* auto_threshold_;
  QCheckBox* invert_;
  QComboBox* colours_;
  QComboBox* sheet_;
  QLabel* note_;
  QDialogButtonBox* buttons_;
  std::vector<Frame> frames_;
};

}  // namespace glyphgrid
