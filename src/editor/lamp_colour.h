#pragma once

#include <cstdint>

namespace glyphgrid {

// A colour in &H00BBGGRR order: red in the low byte, blue in the high byte.
using LampColour = std::int32_t;

inline constexpr LampColour LampGrey = 8421504;  // &H808080, unlit
inline constexpr LampColour LampRed = 255;       // &H0000FF, lit
inline constexpr LampColour LampGreen = 49152;   // &H00C000
inline constexpr LampColour LampOrange = 33023;  // &H0080FF

}  // namespace glyphgrid
