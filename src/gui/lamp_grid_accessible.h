#pragma once

#include <QRect>
#include <optional>

#include "core/lamp_matrix.h"

class QWidget;

namespace glyphgrid {

// What a widget that shows the 64 lamps tells assistive technology, which sees it as a table of
// 64 cells, row by row from the top left, each named by its row, its column and its colour.
class LampTable {
 public:
  // The lamps as the widget shows them, never the model while it is being replaced.
  virtual const LampMatrix& ShownLamps() const = 0;
  // The lamp the keyboard acts on while the widget has the focus.
  virtual std::optional<LampIndex> FocusedLamp() const = 0;
  // Where a lamp is drawn, in the widget's pixels.
  virtual QRect CellRect(LampIndex lamp) const = 0;

 protected:
  ~LampTable() = default;
};

// Makes assistive technology see every widget that is also a LampTable as that table. Called in
// such a widget's constructor, before anything asks for its interface: Qt keeps the first it
// makes. Once per process.
void InstallLampTableAccessibility();

// Tells assistive technology that the focused lamp is now `lamp`.
void AnnounceLampFocus(QWidget* widget, LampIndex lamp);
// For a focus-in event: Qt announces the widget itself as focused once the event is handled, so
// the focused lamp is announced after that, for a screen reader's focus to end on the lamp.
void AnnounceFocusedLampSoon(QWidget* widget);
// Tells assistive technology that a lamp's colour changed; its cell's name carries the new one.
void AnnounceLampColour(QWidget* widget, LampIndex lamp);

// The index of a lamp's cell among the table's children.
int LampGridCell(LampIndex lamp);

}  // namespace glyphgrid
