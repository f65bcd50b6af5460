#include "core/uno_r4_live.h"

namespace glyphgrid {

namespace {

constexpr int MatrixWidth = 12;

// The matrix lamp's byte in the frame and the bit within that byte.
struct FrameBit {
  std::size_t byte;
  int bit;
};

// Rows and columns counted from the top left, as the matrix counts them.
FrameBit BitOf(int row, int column, int offset) {
  const int lamp = MatrixWidth * row + offset + column;
  const int word_bit = 31 - lamp % 32;
  return {static_cast<std::size_t>(4 * (lamp / 32) + word_bit / 8), word_bit % 8};
}

LampIndex PatternLamp(int row, int column) {
  return LampIndexOf(LampsPerRow - 1 - row, LampsPerRow - 1 - column);
}

}  // namespace

UnoR4LiveFrame EncodeUnoR4LiveFrame(const LampMatrix& lamps, int offset) {
  UnoR4LiveFrame frame{};
  for (int row = 0; row < LampsPerRow; ++row) {
    for (int column = 0; column < LampsPerRow; ++column) {
      if (HasRed(lamps.Colour(PatternLamp(row, column)))) {
        const FrameBit at = BitOf(row, column, offset);
        frame[at.byte] = static_cast<std::uint8_t>(frame[at.byte] | 1 << at.bit);
      }
    }
  }
  return frame;
}

LampMatrix DecodeUnoR4LiveFrame(std::span<const std::uint8_t, UnoR4LiveFrameSize> frame,
                                int offset) {
  LampMatrix lamps;
  for (int row = 0; row < LampsPerRow; ++row) {
    for (int column = 0; column < LampsPerRow; ++column) {
      const FrameBit at = BitOf(row, column, offset);
      if ((frame[at.byte] >> at.bit) & 1) {
        lamps.SetColour(PatternLamp(row, column), LampRed);
      }
    }
  }
  return lamps;
}

}  // namespace glyphgrid
