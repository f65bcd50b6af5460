// Reads any text as colour planes over any pattern and compares the result with the reading rules
// applied one character at a time, the slow way; a pattern's own planes give it back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/colour_planes.h"

namespace glyphgrid {
namespace {

void ReadLikeAPerson(std::string_view text, LampMatrix& lamps) {
  for (int pair = 0; pair < LampsPerRow; ++pair) {
    for (const bool red : {true, false}) {
      std::size_t position = 96 * static_cast<std::size_t>(pair) + (red ? 0 : 48);
      for (int row = 0; row < LampsPerRow;) {
        const bool past_end = position >= text.size();
        const char character = past_end ? '\0' : text[position];
        ++position;
        if (!past_end && std::string_view("&B, ").find(character) != std::string_view::npos) {
          continue;
        }
        const LampIndex lamp = LampIndexOf(row++, LampsPerRow - 1 - pair);
        const LampColour colour = lamps.Colour(lamp);
        if (past_end) {
          continue;
        }
        if (red && (character == '0' || character == '1')) {
          lamps.SetColour(lamp, character == '1' ? LampRed : LampGrey);
        } else if (!red && character == '1' && (colour == LampRed || colour == LampGrey)) {
          lamps.SetColour(lamp, colour == LampRed ? LampOrange : LampGreen);
        }
      }
    }
  }
}

}  // namespace
}  // namespace glyphgrid

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glyphgrid;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  LampMatrix lamps;
  for (LampIndex i = 0; i < LampCount && static_cast<std::size_t>(i) < size; ++i) {
    lamps.SetColour(i, LampPalette[data[i] % 4]);
  }
  LampMatrix expected = lamps;
  ApplyColourPlanes(text, lamps);
  ReadLikeAPerson(text, expected);
  if (!(lamps == expected)) {
    std::abort();
  }
  LampMatrix restored;
  ApplyColourPlanes(ColourPlaneText(lamps), restored);
  if (!(restored == lamps)) {
    std::abort();
  }
  return 0;
}
