#include "core/data_text.h"

#include <algorithm>

namespace glyphgrid {

namespace {

constexpr std::string_view Prefix = "DATA &B";
constexpr std::string_view Separator = ", &B";
constexpr std::string_view ZeroDigits = "00000000";
constexpr int LiteralCount = LampsPerRow + 1;
constexpr std::size_t LiteralPitch = LampsPerRow + Separator.size();

// Where digit `row` of the literal for `column` stands: literals run from the leftmost column.
constexpr std::size_t DigitPosition(int column, int row) {
  return Prefix.size() + LiteralPitch * static_cast<std::size_t>(LampsPerRow - 1 - column) +
         static_cast<std::size_t>(row);
}

// Every literal "00000000": the digits are written into a copy.
std::string AllZeroText() {
  std::string text(Prefix);
  for (int literal = 1; literal < LiteralCount; ++literal) {
    text.append(ZeroDigits).append(Separator);
  }
  return text.append(ZeroDigits);
}

Error LiteralError(int literal, const std::string& what) {
  return {Error::Kind::BadInput, "data literal " + std::to_string(literal) + ": " + what};
}

bool IsBinary(std::string_view digits) {
  return digits.size() == ZeroDigits.size() &&
         std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0' || c == '1'; });
}

}  // namespace

std::string DataText(const LampMatrix& lamps) {
  static const std::string all_zero = AllZeroText();
  std::string text = all_zero;
  for (LampIndex i = 0; i < LampCount; ++i) {
    if (HasRed(lamps.Colour(i))) {
      text[DigitPosition(LampColumn(i), LampRow(i))] = '1';
    }
  }
  return text;
}

std::variant<LampMatrix, Error> ParseDataText(std::string_view text) {
  if (!text.starts_with(Prefix)) {
    return Error{Error::Kind::BadInput, "data: expected the line to begin with \"DATA &B\""};
  }
  LampMatrix lamps;
  std::size_t position = Prefix.size();
  for (int literal = 1; literal <= LiteralCount; ++literal) {
    const std::string_view digits = text.substr(position, ZeroDigits.size());
    if (!IsBinary(digits)) {
      return LiteralError(literal, "expected 8 binary digits");
    }
    position += digits.size();
    if (literal == LiteralCount) {
      if (digits != ZeroDigits) {
        return LiteralError(literal, "expected 00000000, the last literal is always zero");
      }
      break;
    }
    const int column = LampsPerRow - literal;
    for (int row = 0; row < LampsPerRow; ++row) {
      if (digits[static_cast<std::size_t>(row)] == '1') {
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
