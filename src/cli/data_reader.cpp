#include "cli/data_reader.h"

#include <algorithm>
#include <string>

namespace glyphgrid {

namespace {

constexpr std::string_view Prefix = "DATA &B";
constexpr std::string_view Separator = ", &B";
constexpr std::string_view ZeroLiteral = "00000000";
constexpr int LiteralCount = 9;

ParseError LiteralError(int literal, const std::string& what) {
  return {"data literal " + std::to_string(literal) + ": " + what};
}

bool IsBinary(std::string_view digits) {
  return digits.size() == static_cast<std::size_t>(LampsPerRow) &&
         std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0' || c == '1'; });
}

}  // namespace

std::variant<LampMatrix, ParseError> ParseDataText(std::string_view text) {
  if (!text.starts_with(Prefix)) {
    return ParseError{"data: expected the line to begin with \"DATA &B\""};
  }
  LampMatrix lamps;
  std::size_t position = Prefix.size();
  for (int literal = 1; literal <= LiteralCount; ++literal) {
    const std::string_view digits = text.substr(position, LampsPerRow);
    if (!IsBinary(digits)) {
      return LiteralError(literal, "expected 8 binary digits");
    }
    position += digits.size();
    if (literal == LiteralCount) {
      if (digits != ZeroLiteral) {
        return LiteralError(literal, "expected 00000000, the last literal is always zero");
      }
      break;
    }
    // Literal n holds column 8 - n, its first digit the bottom lamp.
    const int column = LampsPerRow - literal;
    for (int row = 0; row < LampsPerRow; ++row) {
      if (digits[row] == '1') {
        lamps.SetColour(LampIndexOf(row, column), LampRed);
      }
    }
    if (text.substr(position, Separator.size()) != Separator) {
      return LiteralError(literal, "expected \", &B\" after its 8 digits");
    }
    position += Separator.size();
  }
  const std::string_view rest = text.substr(position);
  if (!rest.empty() && rest != "\n" && rest != "\r\n") {
    return LiteralError(LiteralCount, "expected the end of the line after its 8 digits");
  }
  return lamps;
}

}  // namespace glyphgrid
