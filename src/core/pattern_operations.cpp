#include "core/pattern_operations.h"

#include <algorithm>
#include <string>

#include "core/colour_cycles.h"
#include "core/pattern_shifts.h"

namespace glyphgrid {

namespace {

using Group = PatternOperation::Group;

constexpr PatternOperation Operations[] = {
    {"shift-up", "Shift &Up", "Ctrl+Up", Group::Shift, ShiftUp},
    {"shift-down", "Shift &Down", "Ctrl+Down", Group::Shift, ShiftDown},
    {"shift-left", "Shift &Left", "Ctrl+Left", Group::Shift, ShiftLeft},
    {"shift-right", "Shift &Right", "Ctrl+Right", Group::Shift, ShiftRight},
    {"cycle-all", "Cycle &All Colours", "Ctrl+K", Group::Cycle, CycleAllColours},
    {"cycle-lit", "Cycle L&it Colours", "Ctrl+Shift+K", Group::Cycle, CycleLitColours},
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
