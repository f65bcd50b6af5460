#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/lamp_matrix.h"

namespace glyphgrid {

// A colour-plane text is read in windows of 48 characters: a line of 46 characters and its CR LF.
inline constexpr std::size_t ColourPlaneLineLength = 46;
inline constexpr std::size_t ColourPlaneWindowLength = ColourPlaneLineLength + 2;

// A red and a green line for each column, leftmost column first.
inline constexpr int ColourPlaneLineCount = 16;
inline constexpr std::size_t ColourPlaneTextLength = ColourPlaneLineCount * ColourPlaneWindowLength;

// Sets lamps from a text of red and green planes, one byte a character. For k = 1..8 the red
// plane of column 8 - k is read from byte 96(k - 1) (counting from 0) and its green plane from
// 48 bytes further on, each giving the column's lamps from the bottom up; reading goes on past
// the window while it meets separators. In a red window "1" lights a lamp and "0" greys it; in a
// green window "1" turns a red lamp orange and a grey lamp green. "&", "B", "," and " " use no
// lamp; any other character, and the end of the text, uses a lamp and changes nothing. Lamps no
// window sets keep their colours. Accepts any text.
void ApplyColourPlanes(std::string_view text, LampMatrix& lamps);

// The text that ApplyColourPlanes reads back into these lamps over any pattern: 16 lines of
// "&B", the eight digits of one plane of one column, three zero literals and CR LF. A lamp of a
// colour other than grey, red, green and orange is written as grey.
std::string ColourPlaneText(const LampMatrix& lamps);

}  // namespace glyphgrid
