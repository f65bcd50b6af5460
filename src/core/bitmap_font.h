#pragma once

#include <array>
#include <cstdint>

namespace glyphgrid {

inline constexpr int GlyphHeight = 7;
inline constexpr int MaxGlyphWidth = 5;

// One character drawn in 1 to 5 columns and 7 rows, top row first. In each row the bit
// (width - 1 - column) is lit, so the leftmost column is the highest bit.
struct Glyph {
  int width = 0;
  std::array<std::uint8_t, GlyphHeight> rows{};

  bool Lit(int row, int column) const { return ((rows[row] >> (width - 1 - column)) & 1) != 0; }
  bool operator==(const Glyph&) const = default;
};

// The project's own face: printable ASCII and the Latin-1 letters, proportional widths, capitals
// 7 rows high; descenders ride up into the bottom rows. Null where the font has no drawing.
const Glyph* GlyphFor(char32_t code);

// What a character without a drawing shows: a 5 x 7 frame.
const Glyph& BoxGlyph();

}  // namespace glyphgrid
