#pragma once

#include <QDialog>
#include <QTimer>
#include <vector>

#include "core/animation.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace glyphgrid {

class LampPreview;

// Frame > Text to Frames...: a text and its scrolling options, with a preview that plays the
// frames they make. OK is off while the text makes no frames; the message says why.
class TextFramesDialog : public QDialog {
  Q_OBJECT

 public:
  TextFramesDialog(int delay, QWidget* parent);

  const std::vector<Frame>& Frames() const { return frames_; }

 private:
  void Remake();
  void ShowNext();

  QLineEdit* text_;
  QSpinBox* gap_;
  QSpinBox* step_;
  QSpinBox* delay_;
  QComboBox* direction_;
  QComboBox* colour_;
  QCheckBox* fixed_;
  QLabel* note_;
  LampPreview* preview_;
  QDialogButtonBox* buttons_;
  QTimer playback_;
  std::vector<Frame> frames_;
  std::size_t shown_ = 0;
};

}  // namespace glyphgrid
