#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/error.h"

namespace glyphgrid {

// What stands at the path, following links, when it is not a regular file: "a folder", "a named
// pipe", "a device", "a socket" or "not a regular file"; nothing for a regular file or no file.
std::optional<std::string_view> NonFileKind(const std::string& path);

// Fills up to `size` bytes of `buffer` and returns how many, 0 at the end of the input, or -1
// with errno set.
using ReadSome = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;

// Reads a pattern text to its end in chunks, as bytes. More than the limit is BadInput, and
// reading stops there; a failed read is Unreadable. `shown_name` names the input in the messages
// ("standard input", "'notes.bas'").
std::variant<std::string, Error> ReadPatternText(const ReadSome& read_some,
                                                 std::string_view shown_name,
                                                 const TextLimit& limit = PatternTextLimit);

enum class FileAccess {
  // A folder, named pipe, device or socket is refused before it is opened, and opening never
  // waits for a writer: what an editor's Open needs.
  RegularFilesOnly,
  // Anything that can be read, as a command-line tool reads: a pipe waits for its writer.
  AnyFile,
};

// Opens the file and reads it as ReadPatternText does.
std::variant<std::string, Error> ReadPatternFile(const std::string& path,
                                                 std::string_view shown_name, FileAccess access,
                                                 const TextLimit& limit = PatternTextLimit);

}  // namespace glyphgrid
