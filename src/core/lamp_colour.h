#pragma once

#include <cstdint>

namespace glyphgrid {

// A colour in &H00BBGGRR order: red in the low byte, blue in the high byte. Colours are compared
// by exact equality on the whole value, never folded into lit and unlit.
using LampColour = std::int32_t;

inline constexpr LampColour LampGrey = 8421504;  // &H808080, unlit
inline constexpr LampColour LampRed = 255;       // &H0000FF, lit
inline constexpr LampColour LampGreen = 49152;   // &H00C000
inline constexpr LampColour LampOrange = 33023;  // &H0080FF

// The four colours a lamp is ever given, in the order the grid text and the colour cycle name them.
inline constexpr LampColour LampPalette[] = {LampGrey, LampRed, LampGreen, LampOrange};

// Red and orange lamps carry red: they are the lit lamps of the DATA line and of the red plane.
constexpr bool HasRed(LampColour colour) {
  return colour == LampRed || colour == LampOrange;
}

// Green and orange lamps carry green: the green plane.
constexpr bool HasGreen(LampColour colour) {
  return colour == LampGreen || colour == LampOrange;
}

// Red, green and orange: the colours that the lit-colour cycle steps and a cleared row loses.
constexpr bool IsLit(LampColour colour) {
  return colour == LampRed || colour == LampGreen || colour == LampOrange;
}

}  // namespace glyphgrid
