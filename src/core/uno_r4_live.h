#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/lamp_matrix.h"

namespace glyphgrid {

// One frame of the UNO R4 WiFi's live-preview sketch: the 12 x 8 matrix's three 32-bit words,
// each least significant byte first. Matrix lamp p (12 to a row, from the top left) is bit
// 31 - p % 32 of word p / 32.
inline constexpr int UnoR4LiveFrameSize = 12;
using UnoR4LiveFrame = std::array<std::uint8_t, UnoR4LiveFrameSize>;

// The pattern's lamps that carry red lit, its left column at matrix column `offset` (0..4).
UnoR4LiveFrame EncodeUnoR4LiveFrame(const LampMatrix& lamps, int offset);

// The pattern the frame shows at columns offset to offset + 7, lit lamps red; matrix lamps
// outside those columns are not part of it.
LampMatrix DecodeUnoR4LiveFrame(std::span<const std::uint8_t, UnoR4LiveFrameSize> frame,
                                int offset);

}  // namespace glyphgrid
