#include <QAction>
#include <QLabel>

#include "core/click_editing.h"
#include "core/lamp_names.h"
#include "gui/form1.h"
#include "gui/lamp_grid.h"

namespace glyphgrid {

void Form1::SetLamps(const LampMatrix& lamps, const QString& step) {
  history_.Record(step.toStdString(), lamps);
  ShowLamps(lamps);
}

void Form1::ShowLamps(const LampMatrix& lamps) {
  lamps_ = lamps;
  lamp_grid_->ShowLamps(lamps_);
  const auto name = [](const char* action, const std::string& step) {
    return step.empty() ? QString(action) : QString(action) + " " + QString::fromStdString(step);
  };
  undo_->setEnabled(history_.CanUndo());
  undo_->setText(name("&Undo", history_.UndoTitle()));
  redo_->setEnabled(history_.CanRedo());
  redo_->setText(name("&Redo", history_.RedoTitle()));
  ShowPointed(pointed_);
}

void Form1::Undo() {
  if (history_.CanUndo()) {
    ShowLamps(history_.Undo());
  }
}

void Form1::Redo() {
  if (history_.CanRedo()) {
    ShowLamps(history_.Redo());
  }
}

void Form1::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) {
  ChangeLamps("Draw", [x, y](LampMatrix& lamps) { PressLamp(lamps, x, y); });
}

void Form1::ShowPointed(std::optional<LampIndex> lamp) {
  pointed_ = lamp;
  lamp_status_->setText(lamp ? QString::fromStdString(LampDescription(*lamp, lamps_.Colour(*lamp)))
                             : QString());
}

}  // namespace glyphgrid
