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
constexpr std::string_view AllZeroText =
    "DATA &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
    "&B00000000, &B00000000";

Error LiteralError(int literal, const std::string& what) {
  return {Error::Kind::BadInput, "data literal " + std::to_string(literal) + ": " + what};
}

bool IsBinary(std::string_view digits) {
  return digits.size() == ZeroDigits.size() &&
         std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0' || c == '1'; });
}

}  // namespace

std::string DataText(const LampMatrix& lamps) {
  std::string text(AllZeroText);
  char* digits = text.data() + DigitPosition(LampsPerRow - 1, 0);
  for (int column = LampsPerRow - 1; column >= 0; --column, digits += LiteralPitch) {
    for (int row = 0; row < LampsPerRow; ++row) {
      digits[row] = static_cast<char>('0' + HasRed(lamps.Colour(LampIndexOf(row, column))));
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
