#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/error.h"

namespace glyphgrid {

// One piece of an exported or typed list of byte values.
struct ExportToken {
  enum class Kind {
    Number,  // a value 0..TokenRules::max_value
    Word,    // an identifier or keyword: DATA, const, uint8_t, bytes, a name
    Mark,    // one of { } [ ] ( ) = , ;
  };
  Kind kind;
  std::string_view text;
  std::uint64_t value = 0;
  int line = 1;    // from 1
  int column = 1;  // from 1, in bytes
};

// "line 3, column 14".
std::string TextPosition(int line, int column);

// ASCII letters compared without case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// A token or a run of text as a message shows it, however long it is: quoted, cut after 24 bytes,
// escaped as Escaped does; a single byte that is blank or not printable ASCII as "byte 0x01".
std::string ShownToken(std::string_view text);

struct TokenRules {
  // A number without a prefix is hexadecimal, and 0b and B are no prefix.
  bool bare_hex = false;
  // Reading stops with an error at more tokens than this.
  std::size_t max_tokens = 0;
  std::uint64_t max_value = 255;
  // "REM DELAYS" is a word and what follows it is read, not skipped as a remark.
  bool delay_remarks = false;
};

// Splits the text into tokens, dropping a leading UTF-8 byte order mark, white space and comments:
// ' and REM to the end of the line (BASIC), // to the end of the line and /* */ (C), # to the end
// of the line (Python, and C's preprocessor lines). CR, LF and CR LF each end a line. Numbers are
// &B, &H, 0x or 0b literals, any case, Arduino's B00111100, or decimal; C's U and L suffixes
// after 0x, 0b and decimal digits are left out. An error names the line and column: a character
// that starts no token, a literal that is no number, a value over the rules' maximum, a comment
// left open, too many tokens.
std::variant<std::vector<ExportToken>, Error> TokenizeExport(std::string_view text,
                                                             const TokenRules& rules);

}  // namespace glyphgrid
