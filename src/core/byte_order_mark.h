#pragma once

#include <string_view>

namespace glyphgrid {

// Some editors (Notepad among them) start a UTF-8 file with a byte order mark; it is no part of
// the text a reader looks for.
inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

inline std::string_view WithoutByteOrderMark(std::string_view text) {
  return text.starts_with(Utf8ByteOrderMark) ? text.substr(Utf8ByteOrderMark.size()) : text;
}

}  // namespace glyphgrid
