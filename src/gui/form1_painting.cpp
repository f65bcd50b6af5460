#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include "core/click_editing.h"
#include "core/lamp_geometry.h"
#include "core/lamp_walk.h"
#include "gui/form1.h"
#include "gui/lamp_grid.h"

namespace glyphgrid {

namespace {

constexpr const char* PaintByDraggingKey = "editor/paintByDragging";

}  // namespace

void Form1::CreatePaintMenu(QMenu* edit) {
  edit->addSeparator();
  paint_by_dragging_ = edit->addAction("Paint by &Dragging");
  paint_by_dragging_->setObjectName("actionPaintByDragging");
  paint_by_dragging_->setCheckable(true);
  paint_by_dragging_->setChecked(QSettings().value(PaintByDraggingKey, false).toBool());
  pen_colours_ = new QActionGroup(this);
  // In the order, and with the digits, that colour the keyboard's marked lamp.
  const std::tuple<const char*, const char*, LampColour, const char*> pens[] = {
      {"&Grey Pen", "actionGreyPen", LampGrey, "Ctrl+0"},
      {"R&ed Pen", "actionRedPen", LampRed, "Ctrl+1"},
      {"Gree&n Pen", "actionGreenPen", LampGreen, "Ctrl+2"},
      {"Or&ange Pen", "actionOrangePen", LampOrange, "Ctrl+3"},
  };
  for (const auto& [caption, name, colour, shortcut] : pens) {
    QAction* pen = edit->addAction(caption, QKeySequence(shortcut));
    pen->setObjectName(name);
    pen->setCheckable(true);
    pen->setChecked(colour == LampRed);
    pen->setData(colour);
    pen_colours_->addAction(pen);
  }
  pen_colours_->setEnabled(paint_by_dragging_->isChecked());
  connect(paint_by_dragging_, &QAction::toggled, this, [this](bool on) {
    QSettings().setValue(PaintByDraggingKey, on);
    pen_colours_->setEnabled(on);
  });
}

void Form1::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) {
  if (!paint_by_dragging_->isChecked()) {
    ChangeLamps("Draw", [x, y](LampMatrix& lamps) { PressLamp(lamps, x, y); });
    return;
  }
  if (Playing()) {
    return;
  }
  const LampColour pen = pen_colours_->checkedAction()->data().toInt();
  const std::optional<LampIndex> lamp = LampAtPress(x, y);
  stroke_ = Stroke{lamps_, lamp && lamps_.Colour(*lamp) == pen ? LampGrey : pen, x, y};
  if (lamp) {
    stroke_->lamps.SetColour(*lamp, stroke_->colour);
  }
  ShowLamps(stroke_->lamps);
}

void Form1::PaintDrag(float x, float y) {
  if (!stroke_) {
    return;
  }
  for (const LampIndex lamp : LampsCrossed(stroke_->x, stroke_->y, x, y)) {
    stroke_->lamps.SetColour(lamp, stroke_->colour);
  }
  stroke_->x = x;
  stroke_->y = y;
  ShowLamps(stroke_->lamps);
}

void Form1::EndStroke() {
  if (stroke_) {
    const LampMatrix lamps = stroke_->lamps;
    stroke_.reset();
    SetLamps(lamps, "Paint");
  }
}

}  // namespace glyphgrid
