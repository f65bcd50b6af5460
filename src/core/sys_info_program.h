#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/registry.h"

namespace glyphgrid {

// Where System Info looks for the system-information tool.
struct SysInfoSources {
  Registry& registry;
  // True when a normal file (neither hidden nor a system file) exists at the path.
  std::function<bool(const std::string& path)> normal_file_exists;
  // The value of the PATH environment variable.
  std::string path_variable;
};

// The running system's registry, file system and PATH.
SysInfoSources SystemSysInfoSources();

// The program System Info starts: the tool the registry names (MSINFO's own path, else
// MSINFO32.EXE in the shared tools folder), otherwise the first of hardinfo2, hardinfo and
// kinfocenter that is an executable file in a folder of the PATH; nothing when none is found.
// A path read from the registry is handed out as read, even empty or naming no file.
std::optional<std::string> SysInfoProgram(const SysInfoSources& sources);

}  // namespace glyphgrid
