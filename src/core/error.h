#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace glyphgrid {

// Pattern texts are a few hundred bytes; the editor and the command-line tool refuse anything
// larger, so that a wrong pick cannot freeze them.
inline constexpr std::size_t MaxPatternTextSize = 1024 * 1024;
inline constexpr const char* MaxPatternTextSizeName = "1 MiB";

// How much of a text a reader takes, and how its messages name that size and the text.
struct TextLimit {
  std::size_t size;
  std::string_view name;  // "1 MiB"
  std::string_view what;  // "a pattern"
};
inline constexpr TextLimit PatternTextLimit{MaxPatternTextSize, MaxPatternTextSizeName,
                                            "a pattern"};

// What went wrong with something a user or caller supplied, as one line ready to show: it says
// what is wrong and where (the file, the line, the literal).
struct Error {
  enum class Kind {
    BadInput,    // the text or the arguments are wrong
    Unreadable,  // a file or stream could not be opened, read or written
  };
  Kind kind = Kind::BadInput;
  std::string message;
};

// Text from outside (an argument, a file name) made safe to show in a one-line message: control
// characters (C0, DEL and the C1 range U+0080..U+009F) and bytes that are not well-formed UTF-8
// become escapes such as "\n", "\x1b" and "\xc2\x9b", so they cannot forge or garble a line;
// other UTF-8 stays as it is.
std::string Escaped(std::string_view text);

}  // namespace glyphgrid
