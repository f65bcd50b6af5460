#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/error.h"

namespace glyphgrid {

// One piece of an exported or typed list of byte values.
struct ExportToken {
  enum class Kind {
    Number,  // a value 0..255
    Word,    // an identifier or keyword: DATA, const, uint8_t, bytes, a name
    Mark,    // one of { } [ ] ( ) = , ;
  };
  Kind kind;
  std::string_view text;
  int value = 0;
  int line = 1;    // from 1
  int column = 1;  // from 1, in bytes
};

// "line 3, column 14".
std::string TextPosition(int line, int column);

// ASCII letters compared without case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// A token or a run of text as a message shows it: quoted, cut after 24 characters; a single byte
// that is blank or not printable ASCII as "byte 0x01".
std::string ShownToken(std::string_view text);

// Splits the text into tokens, dropping white space and comments: ' and REM to the end of the
// line (BASIC), // to the end of the line and /* */ (C), # to the end of the line (Python, and
// C's preprocessor lines). Numbers are &B, &H, 0x or 0b literals, any case, or decimal; with
// `bare_hex` a number without a prefix is hexadecimal and 0b is no prefix. An error names the
// line and column: a character that starts no token, a literal that is no number, a value over
// 255, a comment left open.
std::variant<std::vector<ExportToken>, Error> TokenizeExport(std::string_view text, bool bare_hex);

}  // namespace glyphgrid
