#include "core/pattern_operations.h"

#include <algorithm>
#include <string>

#include "core/colour_cycles.h"
#include "core/pattern_shifts.h"
#include "core/pattern_transforms.h"

namespace glyphgrid {

namespace {

using Group = PatternOperation::Group;

// In menu order: a separator comes between groups.
constexpr PatternOperation Operations[] = {
    {"shift-up", "Shift &Up", "Ctrl+Up", Group::Shift, ShiftUp},
    {"shift-down", "Shift &Down", "Ctrl+Down", Group::Shift, ShiftDown},
    {"shift-left", "Shift &Left", "Ctrl+Left", Group::Shift, ShiftLeft},
    {"shift-right", "Shift &Right", "Ctrl+Right", Group::Shift, ShiftRight},
    {"move-up", "&Move Up", "Alt+Up", Group::Move, MoveUp},
    {"move-down", "M&ove Down", "Alt+Down", Group::Move, MoveDown},
    {"move-left", "Mo&ve Left", "Alt+Left", Group::Move, MoveLeft},
    {"move-right", "Move Ri&ght", "Alt+Right", Group::Move, MoveRight},
    {"scroll-up", "&Scroll Up", "Alt+Shift+Up", Group::Scroll, ScrollUp},
    {"scroll-down", "Scroll Do&wn", "Alt+Shift+Down", Group::Scroll, ScrollDown},
    {"scroll-left", "Scroll Le&ft", "Alt+Shift+Left", Group::Scroll, ScrollLeft},
    {"scroll-right", "Scroll Rig&ht", "Alt+Shift+Right", Group::Scroll, ScrollRight},
    {"flip-horizontal", "Flip Hori&zontal", "Ctrl+F", Group::Turn, FlipHorizontal},
    {"flip-vertical", "Flip V&ertical", "Ctrl+Shift+F", Group::Turn, FlipVertical},
    {"rotate-clockwise", "Rotate &Clockwise", "Ctrl+R", Group::Turn, RotateClockwise},
    {"rotate-anticlockwise", "Rotate A&nticlockwise", "Ctrl+Shift+R", Group::Turn,
     RotateAnticlockwise},
    {"invert", "Inver&t", "Ctrl+I", Group::Colour, Invert},
    {"cycle-all", "Cycle &All Colours", "Ctrl+K", Group::Colour, CycleAllColours},
    {"cycle-lit", "Cycle L&it Colours", "Ctrl+Shift+K", Group::Colour, CycleLitColours},
    {"clear", "&Clear Display", "", Group::Clear, [](LampMatrix& lamps) { lamps.ClearAll(); }},
};

}  // namespace

std::string PatternOperation::Title() const {
  std::string title(caption);
  std::erase(title, '&');
  return title;
}

std::span<const PatternOperation> PatternOperations() {
  return Operations;
}

const PatternOperation* FindPatternOperation(std::string_view name) {
  const auto* found = std::ranges::find(Operations, name, &PatternOperation::name);
  return found == std::ranges::end(Operations) ? nullptr : found;
}

}  // namespace glyphgrid
