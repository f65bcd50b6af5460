#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/lamp_matrix.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

// The profile's units for the pattern, in order: each plane's units as the profile orders them,
// inverted when it says so, then the zero unit when it has one.
std::vector<std::uint8_t> ExportUnits(const LampMatrix& lamps, const WiringProfile& profile);

struct TextSpan {
  std::size_t start = 0;
  std::size_t length = 0;

  bool operator==(const TextSpan&) const = default;
};

// The export without a final line break (on one line, but for a C header's or PROGMEM array's
// lines), and where each unit's digits stand in it (the literal's prefix left out).
struct ExportedText {
  std::string text;
  std::vector<TextSpan> units;
};

// The units' literals as the syntax writes them, separated as it separates them, appended to the
// text; with `marked`, where each unit's digits stand is appended to its units.
void AppendUnits(ExportedText& exported, std::span<const std::uint8_t> units, Syntax syntax,
                 bool marked);

// HEART_H for heart: the include guard of a header that holds the name.
std::string IncludeGuard(std::string_view name);

// A pure function of the pattern and the profile; with the basic preset it is the DATA line.
// c-uint64 and uno-r4 write it as an animation of one frame.
ExportedText ExportPattern(const LampMatrix& lamps, const WiringProfile& profile);
std::string ExportText(const LampMatrix& lamps, const WiringProfile& profile);

// Nothing when the export keeps every lamp's colour; otherwise one line saying what a one-plane
// profile leaves out ("c-rows writes the red plane only: the green of 3 lamps is left out").
std::optional<std::string> LeftOutColours(const LampMatrix& lamps, const WiringProfile& profile);

// The characters that show one bit: its binary digit, the hexadecimal digit that holds it, or
// the whole decimal number.
TextSpan BitDigits(const ExportedText& exported, Syntax syntax, BitPosition position);

}  // namespace glyphgrid
