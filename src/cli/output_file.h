#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/error.h"

namespace glyphgrid {

// Writes `bytes` as the file at `path`, replacing it whole: they go to a new file beside it that
// is renamed over it once complete, so a failure (a full disk) leaves the old file, or none, and
// no part of the new one. A name that stands for a folder, a device or a pipe is refused
// untouched; a link is followed and kept; a file replaced keeps its permissions. The error is
// Unreadable and names the file by `shown_name` with the reason.
std::optional<Error> ReplaceFile(const std::string& path, std::string_view shown_name,
                                 std::string_view bytes);

}  // namespace glyphgrid
