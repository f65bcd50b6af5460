#include "about/sys_info_program.h"

#include <gtest/gtest.h>

#include <vector>

#include "fake_registry.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

TEST(SysInfoProgramTest, TakesTheRegistrysToolThenOneOnThePath) {
  const TemporaryFolder folder;
  const std::string hardinfo = folder.AddProgram("hardinfo");
  // The one file that exists: the shared tools folder ends in a backslash and the suffix adds one.
  const std::string msinfo32 = "C:\\MSInfo\\\\MSINFO32.EXE";
  struct Case {
    const char* name;
    const char* msinfo_path;  // nullptr: the value is absent
    const char* shared_tools_folder;
    bool tool_on_path;
    std::optional<std::string> program;
    std::vector<std::string> lookups;
  };
  const Case cases[] = {
      {"first key", "C:\\Info.exe", "C:\\MSInfo\\", true, "C:\\Info.exe", {}},
      {"second key", nullptr, "C:\\MSInfo\\", true, msinfo32, {msinfo32}},
      {"second key, no tool", nullptr, "C:\\X", false, std::nullopt, {"C:\\X\\MSINFO32.EXE"}},
      {"tool on the PATH", nullptr, nullptr, true, hardinfo, {}},
      {"nothing found", nullptr, nullptr, false, std::nullopt, {}},
  };
  for (const Case& c : cases) {
    FakeRegistry registry;
    if (c.msinfo_path) {
      registry.AddValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                        {RegSz, c.msinfo_path + std::string(1, '\0')});
    }
    if (c.shared_tools_folder) {
      registry.AddValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                        {RegSz, c.shared_tools_folder + std::string(1, '\0')});
    }
    std::vector<std::string> lookups;
    const auto normal_file_exists = [&](const std::string& path) {
      lookups.push_back(path);
      return path == msinfo32;
    };
    const SysInfoSources sources{registry, normal_file_exists, c.tool_on_path ? folder.Path() : ""};
    EXPECT_EQ(SysInfoProgram(sources), c.program) << c.name;
    EXPECT_EQ(lookups, c.lookups) << c.name;
  }
}

}  // namespace
}  // namespace glyphgrid
