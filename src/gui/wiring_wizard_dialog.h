#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "core/lamp_matrix.h"
#include "core/wiring_profile.h"
#include "core/wiring_wizard.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QToolButton;

namespace glyphgrid {

class Toolkit;

// Shows a pattern on the connected board with a profile; empty when no board is connected.
using ShowPattern = std::function<void(const LampMatrix&, const WiringProfile&)>;

// Board > Find Wiring...: shows the test pattern on the board (or gives its export to run there),
// asks which of the 8 pictures the board shows, picked or pasted as a grid, and saves the export
// profile with which the board shows the editor's picture the right way round.
class WiringWizard : public QDialog {
  Q_OBJECT

 public:
  WiringWizard(Toolkit& toolkit, const WiringProfile& current, ShowPattern show_on_board,
               QWidget* parent);

 private:
  // Shows the test pattern again after the colours or the plane layout changed.
  void ShowTest();
  void Choose(int orientation);
  void NoneOfThese();
  void CopyExport();
  void UseGrid();
  // Saves the profile that undoes what the board showed and says which it is.
  void Finish(const WiringAnswer& answer);
  bool TwoColours() const;

  Toolkit& toolkit_;
  WiringProfile current_;
  WiringProfile shown_;
  ShowPattern show_on_board_;
  QCheckBox* two_colours_;
  QLabel* corner_question_;
  QRadioButton* corner_green_;
  QRadioButton* corner_red_;
  std::array<QToolButton*, OrientationCount> pictures_{};
  QPlainTextEdit* grid_;
};

}  // namespace glyphgrid
