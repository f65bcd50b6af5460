#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/lamp_matrix.h"

namespace glyphgrid {

// A whole-pattern operation that users and scripts call by name. The editor's menus, the
// command-line tool's --op names and its help all come from PatternOperations.
struct PatternOperation {
  enum class Group { Shift, Move, Scroll, Turn, Colour, Clear };

  std::string_view name;      // the command-line name, "shift-up"
  std::string_view caption;   // the menu caption, "&" before its access key: "Shift &Up"
  std::string_view shortcut;  // in Qt's portable text form; empty for none
  Group group;
  void (*apply)(LampMatrix& lamps);

  // The caption without its access-key marker: "Shift Up".
  std::string Title() const;
};

std::span<const PatternOperation> PatternOperations();

// The operation of that command-line name, or null.
const PatternOperation* FindPatternOperation(std::string_view name);

// A mouse press is the one operation with arguments: "click:X,Y" on the command line.
inline constexpr std::string_view PressOperationName = "click";

}  // namespace glyphgrid
