#include "editor/client_area.h"
#include "editor/form1.h"
#include "operations/colour_cycles.h"
#include "operations/pattern_shifts.h"

namespace glyphgrid {

// The viewer's text is a snapshot and is deliberately left as it is: the next View Data, Copy
// Data or save regenerates it.
void Form1::ApplyToLamps(void (*operation)(LampMatrix&)) {
  operation(lamps_);
  RepaintLamps();
}

void Form1::CycleAllColours() {
  ApplyToLamps(glyphgrid::CycleAllColours);
}
void Form1::CycleLitColours() {
  ApplyToLamps(glyphgrid::CycleLitColours);
}
void Form1::ShiftUp() {
  ApplyToLamps(glyphgrid::ShiftUp);
}
void Form1::ShiftDown() {
  ApplyToLamps(glyphgrid::ShiftDown);
}
void Form1::ShiftLeft() {
  ApplyToLamps(glyphgrid::ShiftLeft);
}
void Form1::ShiftRight() {
  ApplyToLamps(glyphgrid::ShiftRight);
}

}  // namespace glyphgrid
