#pragma once

#include <QDialog>

#include "core/animation.h"
#include "core/lamp_matrix.h"
#include "core/profile_export.h"
#include "core/wiring_profile.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace glyphgrid {

class ExportLampGrid;
class Toolkit;

// File > Export...: the animation as a wiring profile writes it, every frame in one text. A preset
// or Custom with every option; a preview that follows the options; a copy of the current frame's
// lamp grid that tells which byte and bit the pointed lamp is and marks its digit in the preview;
// Copy, Save... and Close. The profile is kept in the settings as it changes, for the next export
// and for Paste Pattern.
class ExportDialog : public QDialog {
  Q_OBJECT

 public:
  // Exports `animation` as it is now; the grid shows frame `frame` of it.
  ExportDialog(Toolkit& toolkit, const Animation& animation, int frame, QWidget* parent);

  const WiringProfile& Profile() const { return profile_; }

  void CopyExport();
  void SaveExport();

 private:
  void CreateControls();
  void ShowOptions();
  void PresetChosen(int row);
  void OptionsChanged();
  void Refresh();
  void ShowPointedLamp();
  void ShowNotice();
  QString WordBitText(LampIndex lamp) const;

  Toolkit& toolkit_;
  const Animation animation_;
  const int frame_;
  WiringProfile profile_;
  ExportedText exported_;
  bool showing_ = false;  // while the controls are set from the profile

  QListWidget* presets_;
  QLabel* description_;
  QComboBox* scan_;
  QComboBox* first_;
  QComboBox* msb_;
  QComboBox* planes_;
  QComboBox* syntax_;
  QCheckBox* invert_;
  QCheckBox* zero_;
  QCheckBox* header_;
  QCheckBox* progmem_;
  QCheckBox* delays_;
  QSpinBox* offset_;
  QLineEdit* name_;
  QPlainTextEdit* preview_;
  ExportLampGrid* grid_;
  QLabel* readout_;
  QLabel* notice_;
  QPushButton* copy_;
  QPushButton* save_;
};

}  // namespace glyphgrid
