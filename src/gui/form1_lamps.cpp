#include <QAction>
#include <QLabel>

#include "core/click_editing.h"
#include "core/lamp_geometry.h"
#include "core/lamp_names.h"
#include "gui/form1.h"
#include "gui/lamp_grid.h"

namespace glyphgrid {

void Form1::SetLamps(const LampMatrix& lamps, const QString& step) {
  // Any other change ends a stroke: its step is no longer the last one.
  stroke_.reset();
  history_.Record(step.toStdString(), lamps);
  ShowLamps(lamps);
}

void Form1::ShowLamps(const LampMatrix& lamps) {
  for (LampIndex i = 0; i < LampCount; ++i) {
    if (lamps.Colour(i) != lamps_.Colour(i)) {
      lamp_grid_->UpdateLamp(i);
    }
  }
  lamps_ = lamps;
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
    stroke_.reset();
    ShowLamps(history_.Undo());
  }
}

void Form1::Redo() {
  if (history_.CanRedo()) {
    stroke_.reset();
    ShowLamps(history_.Redo());
  }
}

void Form1::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) {
  const LampMatrix before = lamps_;
  LampMatrix lamps = lamps_;
  const std::optional<LampIndex> pressed = PressLamp(lamps, x, y);
  SetLamps(lamps, "Draw");
  if (pressed) {
    stroke_ = Stroke{lamps.Colour(*pressed), QPointF(x, y), !(lamps == before)};
  }
}

void Form1::Form_MouseDrag(double x, double y) {
  if (!stroke_) {
    return;
  }
  LampMatrix lamps = lamps_;
  for (const LampIndex lamp : LampsAlong(stroke_->at.x(), stroke_->at.y(), x, y)) {
    lamps.SetColour(lamp, stroke_->colour);
  }
  stroke_->at = QPointF(x, y);
  if (lamps == lamps_) {
    return;
  }
  stroke_->recorded = stroke_->recorded ? history_.Amend(lamps) : history_.Record("Draw", lamps);
  ShowLamps(lamps);
}

void Form1::Form_MouseUp() {
  stroke_.reset();
}

void Form1::ShowPointed(std::optional<LampIndex> lamp) {
  pointed_ = lamp;
  lamp_status_->setText(lamp ? QString::fromStdString(LampDescription(*lamp, lamps_.Colour(*lamp)))
                             : QString());
}

}  // namespace glyphgrid
