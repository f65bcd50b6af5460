#include "core/colour_planes.h"

#include <string_view>

namespace glyphgrid {

namespace {

enum class Plane { Red, Green };

constexpr std::string_view Separators = "&B, ";
constexpr std::string_view UnusedLiterals = ", &B00000000, &B00000000, &B00000000";

bool IsSeparator(char character) {
  return Separators.find(character) != std::string_view::npos;
}

void ApplyCharacter(Plane plane, char character, LampIndex lamp, LampMatrix& lamps) {
  if (plane == Plane::Red) {
    if (character == '1') {
      lamps.SetColour(lamp, LampRed);
    } else if (character == '0') {
      lamps.SetColour(lamp, LampGrey);
    }
    return;
  }
  if (character != '1') {
    return;
  }
  const LampColour colour = lamps.Colour(lamp);
  if (colour == LampRed) {
    lamps.SetColour(lamp, LampOrange);
  } else if (colour == LampGrey) {
    lamps.SetColour(lamp, LampGreen);
  }
}

// Past the end of the text every character is empty and changes nothing, so the walk can stop.
void RunPass(std::string_view text, std::size_t start, Plane plane, int column, LampMatrix& lamps) {
  std::size_t position = start;
  for (int row = 0; row < LampsPerRow; ++row) {
    while (position < text.size() && IsSeparator(text[position])) {
      ++position;
    }
    if (position >= text.size()) {
      return;
    }
    ApplyCharacter(plane, text[position], LampIndexOf(row, column), lamps);
    ++position;
  }
}

void AppendPlaneLine(std::string& text, const LampMatrix& lamps, int column,
                     bool (*in_plane)(LampColour)) {
  text += "&B";
  for (int row = 0; row < LampsPerRow; ++row) {
    text += in_plane(lamps.Colour(LampIndexOf(row, column))) ? '1' : '0';
  }
  text += UnusedLiterals;
  text += "\r\n";
}

}  // namespace

void ApplyColourPlanes(std::string_view text, LampMatrix& lamps) {
  // Trailing separators are followed only by empty characters: dropping them changes no lamp and
  // spares every pass that reaches them a walk over the whole run.
  const std::size_t last = text.find_last_not_of(Separators);
  const std::string_view read = text.substr(0, last == std::string_view::npos ? 0 : last + 1);
  for (int pair = 0; pair < LampsPerRow; ++pair) {
    const int column = LampsPerRow - 1 - pair;
    const std::size_t red_start = 2 * ColourPlaneWindowLength * static_cast<std::size_t>(pair);
    RunPass(read, red_start, Plane::Red, column, lamps);
    RunPass(read, red_start + ColourPlaneWindowLength, Plane::Green, column, lamps);
  }
}

std::string ColourPlaneText(const LampMatrix& lamps) {
  std::string text;
  text.reserve(ColourPlaneTextLength);
  for (int column = LampsPerRow - 1; column >= 0; --column) {
    AppendPlaneLine(text, lamps, column, HasRed);
    AppendPlaneLine(text, lamps, column, HasGreen);
  }
  return text;
}

}  // namespace glyphgrid
