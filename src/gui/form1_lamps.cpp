#include <QAction>
#include <QLabel>

#include "core/lamp_names.h"
#include "gui/form1.h"
#include "gui/lamp_grid.h"

namespace glyphgrid {

void Form1::SetLamps(const LampMatrix& lamps, const QString& step) {
  if (!Playing()) {
    history_.RecordLamps(step.toStdString(), lamps);
    ShowSession();
  }
}

void Form1::ShowLamps(const LampMatrix& lamps) {
  lamps_ = lamps;
  lamp_grid_->ShowLamps(lamps_);
  ShowPointed(pointed_);
  SendFrame();
}

void Form1::Undo() {
  if (history_.CanUndo() && !Playing()) {
    history_.Undo();
    ShowSession();
  }
}

void Form1::Redo() {
  if (history_.CanRedo() && !Playing()) {
    history_.Redo();
    ShowSession();
  }
}

void Form1::ShowPointed(std::optional<LampIndex> lamp) {
  pointed_ = lamp;
  lamp_status_->setText(lamp ? QString::fromStdString(LampDescription(*lamp, lamps_.Colour(*lamp)))
                             : QString());
}

}  // namespace glyphgrid
