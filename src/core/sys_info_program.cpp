#include "core/sys_info_program.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/key_value.h"
#include "core/windows_api.h"

namespace glyphgrid {

namespace {

#ifdef _WIN32
constexpr char PathListSeparator = ';';
#else
constexpr char PathListSeparator = ':';
#endif

constexpr const char* SysInfoSuffix = "\\MSINFO32.EXE";
constexpr const char* PathTools[] = {"hardinfo2", "hardinfo", "kinfocenter"};

bool NormalFileExists(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    return false;
  }
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
#else
  return true;
#endif
}

bool IsExecutableFile(const std::filesystem::path& path) {
  using std::filesystem::perms;
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  return !error && std::filesystem::is_regular_file(status) &&
         (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) !=
             perms::none;
}

// Empty entries are skipped rather than read as the current folder: System Info should not start
// whatever happens to lie in the working directory.
std::vector<std::string> PathFolders(const std::string& path_variable) {
  std::vector<std::string> folders;
  std::size_t start = 0;
  while (start <= path_variable.size()) {
    std::size_t end = path_variable.find(PathListSeparator, start);
    if (end == std::string::npos) {
      end = path_variable.size();
    }
    if (end > start) {
      folders.push_back(path_variable.substr(start, end - start));
    }
    start = end + 1;
  }
  return folders;
}

std::optional<std::string> ToolOnPath(const std::string& path_variable) {
  const std::vector<std::string> folders = PathFolders(path_variable);
  for (const char* name : PathTools) {
    for (const std::string& folder : folders) {
      const std::filesystem::path candidate = std::filesystem::path(folder) / name;
      if (IsExecutableFile(candidate)) {
        return candidate.string();
      }
    }
  }
  return std::nullopt;
}

}  // namespace

SysInfoSources SystemSysInfoSources() {
  const char* path_variable = std::getenv("PATH");
  return {SystemRegistry(), NormalFileExists, path_variable ? path_variable : ""};
}

std::optional<std::string> SysInfoProgram(const SysInfoSources& sources) {
  std::string sys_info_path;
  if (GetKeyValue(sources.registry, HkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                  "PATH", sys_info_path)) {
    return sys_info_path;
  }
  if (GetKeyValue(sources.registry, HkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                  "MSINFO", sys_info_path)) {
    const std::string program = sys_info_path + SysInfoSuffix;
    if (sources.normal_file_exists(program)) {
      return program;
    }
  }
  return ToolOnPath(sources.path_variable);
}

}  // namespace glyphgrid
