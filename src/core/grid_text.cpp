#include "core/grid_text.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "core/byte_order_mark.h"

namespace glyphgrid {

namespace {

// One character for each colour of LampPalette, in its order.
constexpr std::string_view GridCharacters = ".RGO";

// Grid position k (row by row from the top left) is the lamp counted from the top left, 63 - k.
constexpr LampIndex LampAtGridPosition(int line, int column) {
  return LampCount - 1 - (LampsPerRow * line + column);
}

char GridCharacter(LampColour colour) {
  const auto* found = std::find(std::begin(LampPalette), std::end(LampPalette), colour);
  return found == std::end(LampPalette) ? GridCharacters[0]
                                        : GridCharacters[found - std::begin(LampPalette)];
}

std::string Shown(char character) {
  const auto byte = static_cast<unsigned char>(character);
  if (byte >= 0x21 && byte <= 0x7E) {
    return std::string("'") + character + "'";
  }
  char hex[16];
  std::snprintf(hex, sizeof hex, "byte 0x%02X", byte);
  return hex;
}

Error LineError(int line, const std::string& what) {
  return {Error::Kind::BadInput, "grid line " + std::to_string(line) + ": " + what};
}

}  // namespace

std::string GridText(const LampMatrix& lamps) {
  std::string text;
  text.reserve(LampsPerRow * (LampsPerRow + 1));
  for (int line = 0; line < LampsPerRow; ++line) {
    for (int column = 0; column < LampsPerRow; ++column) {
      text += GridCharacter(lamps.Colour(LampAtGridPosition(line, column)));
    }
    text += '\n';
  }
  return text;
}

std::variant<LampMatrix, Error> ParseGrid(std::string_view text) {
  text = WithoutByteOrderMark(text);
  LampMatrix lamps;
  std::size_t position = 0;
  for (int line = 0; line < LampsPerRow; ++line) {
    if (position == text.size()) {
      return Error{Error::Kind::BadInput, "grid: expected 8 lines, got " + std::to_string(line)};
    }
    const std::size_t line_feed = text.find('\n', position);
    const std::size_t end = line_feed == std::string_view::npos ? text.size() : line_feed;
    std::string_view row = text.substr(position, end - position);
    if (line_feed != std::string_view::npos && row.ends_with('\r')) {
      row.remove_suffix(1);
    }
    position = line_feed == std::string_view::npos ? text.size() : line_feed + 1;

    if (const std::optional<std::string> problem = ApplyGridRow(row, line, lamps)) {
      return LineError(line + 1, *problem);
    }
  }
  if (position != text.size()) {
    return LineError(LampsPerRow + 1, "expected the end of the grid after 8 lines");
  }
  return lamps;
}

std::optional<std::string> ApplyGridRow(std::string_view row, int line, LampMatrix& lamps) {
  if (row.size() != LampsPerRow) {
    return "expected 8 characters from . R G O, got " + std::to_string(row.size());
  }
  for (int column = 0; column < LampsPerRow; ++column) {
    const char character = row[static_cast<std::size_t>(column)];
    const std::size_t colour = GridCharacters.find(character);
    if (colour == std::string_view::npos) {
      return "character " + std::to_string(column + 1) + ": expected one of . R G O, got " +
             Shown(character);
    }
    lamps.SetColour(LampAtGridPosition(line, column), LampPalette[colour]);
  }
  return std::nullopt;
}

}  // namespace glyphgrid
