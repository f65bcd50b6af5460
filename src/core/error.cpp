#include "core/error.h"

#include <cstdio>

namespace glyphgrid {

namespace {

void AppendHex(std::string& escaped, unsigned char byte) {
  char hex[5];
  std::snprintf(hex, sizeof hex, "\\x%02x", byte);
  escaped += hex;
}

// The length of the well-formed UTF-8 sequence at the start of `text` (no overlong forms, no
// surrogates, nothing past U+10FFFF), or 0 when it is not one.
std::size_t Utf8Length(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  }
  if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high) {
    return 0;
  }
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) {
      return 0;
    }
  }
  return length;
}

}  // namespace

std::string Escaped(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte < 0x7F) {
      escaped += text[i++];
      continue;
    }
    // U+0080..U+009F are C1 controls (U+009B is a terminal's CSI): escaped like C0 ones.
    const std::size_t length = byte < 0x80 ? 0 : Utf8Length(text.substr(i));
    const bool c1_control =
        length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
    if (length > 0 && !c1_control) {
      escaped += text.substr(i, length);
      i += length;
    } else if (byte == '\n') {
      escaped += "\\n";
      ++i;
    } else if (byte == '\r') {
      escaped += "\\r";
      ++i;
    } else if (byte == '\t') {
      escaped += "\\t";
      ++i;
    } else {
      const std::size_t end = c1_control ? i + 2 : i + 1;
      for (; i < end; ++i) {
        AppendHex(escaped, static_cast<unsigned char>(text[i]));
      }
    }
  }
  return escaped;
}

}  // namespace glyphgrid
