#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/animation.h"
#include "core/profile_export.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

// Every frame of the animation in one text that one program can hold, lines separated by LF, a
// frame a line:
// - c-hex, c-binary: NAME[FRAMES][UNITS] of uint8_t, then NAME_delays[FRAMES] of uint16_t;
// - c-uint64: NAME[FRAMES] of uint64_t, unit k in bits 8k to 8k + 7, then NAME_delays;
// - uno-r4: NAME[FRAMES][4] of uint32_t, the matrix's three words and the delay;
// - python: NAME = [bytes([...]), ...], then NAME_delays = [...];
// - BASIC: a DATA line a frame, then REM DELAYS and the delays;
// - hex: a line a frame, no delays.
// The delays are left out when the profile's `delays` is off. One frame is written exactly as
// ExportPattern writes it, but for c-uint64 and uno-r4, whose arrays then hold one frame.
// The units of frame `marked` have their digits' places in `units` (none for c-uint64, uno-r4).
ExportedText ExportAnimationText(const Animation& animation, const WiringProfile& profile,
                                 int marked = 0);
std::string ExportAnimation(const Animation& animation, const WiringProfile& profile);

// An export as a file holds it: with a final line break, and CR LF ending every line of BASIC.
std::string ExportFileText(std::string_view exported, Syntax syntax);

// Whether the export of so many frames writes their delays.
bool WritesDelays(const WiringProfile& profile, int frame_count);

// The UNO R4 matrix: 96 lamps, 12 to a row from the top left, lamp p in bit 31 - p % 32 of word
// p / 32, as Arduino's Arduino_LED_Matrix library documents for loadFrame and loadSequence.
inline constexpr int MatrixColumns = 12;
inline constexpr int MatrixWords = 3;
using MatrixWordsOf = std::array<std::uint32_t, MatrixWords>;

// The matrix with the rows of `units` (the uno-r4 profile's, top row first, left lamp the top
// bit) at columns offset to offset + 7.
MatrixWordsOf MatrixFrame(std::span<const std::uint8_t> units, int offset);

}  // namespace glyphgrid
