#pragma once

namespace glyphgrid {

// ASCII only, whatever the locale: the names and literals of C, Python and BASIC exports.
constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

constexpr bool IsIdentifierStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

constexpr bool IsIdentifierPart(char c) {
  return IsIdentifierStart(c) || IsDigit(c);
}

}  // namespace glyphgrid
