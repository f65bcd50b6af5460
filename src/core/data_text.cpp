#include "core/data_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "core/byte_order_mark.h"

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
  // Every lamp's digit first, row by row: a loop the compiler turns into vector compares.
  std::array<std::uint64_t, LampsPerRow> rows;
  std::array<char, LampCount> lamp_digits;
  for (LampIndex i = 0; i < LampCount; ++i) {
    lamp_digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + HasRed(lamps.Colour(i)));
  }
  std::memcpy(rows.data(), lamp_digits.data(), sizeof rows);
  // Then turned into columns, eight bytes at a time: byte c of row r becomes byte r of column c.
  // The byte order of the words is the memory order only on little-endian machines.
  static_assert(std::endian::native == std::endian::little);
  const auto swap = [&rows](std::size_t a, std::size_t b, int shift, std::uint64_t low) {
    const std::uint64_t first = rows[a];
    const std::uint64_t second = rows[b];
    rows[a] = (first & low) | ((second & low) << shift);
    rows[b] = ((first >> shift) & low) | (second & ~low);
  };
  for (std::size_t r = 0; r < 4; ++r) {
    swap(r, r + 4, 32, 0x00000000FFFFFFFF);
  }
  for (const std::size_t r : {0, 1, 4, 5}) {
    swap(r, r + 2, 16, 0x0000FFFF0000FFFF);
  }
  for (const std::size_t r : {0, 2, 4, 6}) {
    swap(r, r + 1, 8, 0x00FF00FF00FF00FF);
  }
  std::string text(AllZeroText);
  for (int column = 0; column < LampsPerRow; ++column) {
    std::memcpy(text.data() + DigitPosition(column, 0), &rows[static_cast<std::size_t>(column)], 8);
  }
  return text;
}

std::variant<LampMatrix, Error> ParseDataText(std::string_view text) {
  text = WithoutByteOrderMark(text);
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
