#include "core/lamp_names.h"

#include <algorithm>
#include <iterator>

namespace glyphgrid {

namespace {

// One name for each colour of LampPalette, in its order.
constexpr std::string_view ColourNames[] = {"grey", "red", "green", "orange"};

}  // namespace

std::string LampName(LampIndex lamp) {
  return "Row " + std::to_string(LampsPerRow - LampRow(lamp)) + ", column " +
         std::to_string(LampsPerRow - LampColumn(lamp));
}

std::string_view ColourName(LampColour colour) {
  const auto* found = std::find(std::begin(LampPalette), std::end(LampPalette), colour);
  return found == std::end(LampPalette) ? "another colour"
                                        : ColourNames[found - std::begin(LampPalette)];
}

std::string LampDescription(LampIndex lamp, LampColour colour) {
  return LampName(lamp) + ": " + std::string(ColourName(colour)) + ". DATA literal " +
         std::to_string(LampsPerRow - LampColumn(lamp)) + ", digit " +
         std::to_string(LampRow(lamp) + 1) + ".";
}

}  // namespace glyphgrid
