#include <gtest/gtest.h>

#include <vector>

#include "core/key_value.h"
#include "core/sys_info_program.h"
#include "support/fake_registry.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

using namespace std::string_literals;

TEST(SysInfoTest, GetKeyValueReadsTheValueAndClosesOnlyTheKeyItOpened) {
  constexpr const char* KeyName = "SOFTWARE\\Glyphgrid";
  struct Case {
    const char* name;
    const char* key_name;
    FakeRegistry::Value stored;
    bool result;
    std::string key_val;  // on entry key_val holds "before"
  };
  const Case cases[] = {
      {"text with zero", KeyName, {RegSz, "C:\\info.exe\0"s}, true, "C:\\info.exe"},
      {"text without zero", KeyName, {RegSz, "C:\\info.exe"s}, true, "C:\\info.exe"},
      {"1024 bytes", KeyName, {RegSz, std::string(1024, 'y')}, true, std::string(1024, 'y')},
      {"1025 bytes", KeyName, {RegSz, std::string(1024, 'z') + '\0'}, false, ""},
      {"no data", KeyName, {RegSz, ""}, false, ""},
      {"binary", KeyName, {3, "\x01\x02"s}, true, "before"},
      {"dword", KeyName, {RegDword, "\x12\xEF\xCD\xAB"s}, true, "&hABCDEF12"},
      {"long dword", KeyName, {RegDword, "\x01\x02\x03\x04\x05"s}, true, "&h4030201"},
      {"missing key", "SOFTWARE\\Elsewhere", {RegSz, "found\0"s}, false, ""},
  };
  for (const Case& c : cases) {
    FakeRegistry registry;
    registry.AddValue(KeyName, "Item", c.stored);
    std::string key_val = "before";
    EXPECT_EQ(GetKeyValue(registry, HkeyLocalMachine, c.key_name, "Item", key_val), c.result)
        << c.name;
    EXPECT_EQ(key_val, c.key_val) << c.name;
    // Empty for the missing key: a key that failed to open must not be closed.
    EXPECT_EQ(registry.closed, registry.opened) << c.name;
  }
}

TEST(SysInfoTest, TakesTheRegistrysToolThenTheFirstExecutableOnThePath) {
  const TemporaryFolder first, second;
  const auto program = [](const TemporaryFolder& folder, const char* name, bool executable) {
    return folder.Write(
        name, "#!/bin/sh\n",
        executable ? std::filesystem::perms::owner_all : std::filesystem::perms::owner_read);
  };
  program(first, "hardinfo2", false);
  const std::string hardinfo = program(first, "hardinfo", true);
  const std::string later_hardinfo = program(second, "hardinfo", true);
  const std::string hardinfo2 = program(second, "hardinfo2", true);
  const std::string path = first.Path() + "::" + second.Path();
  // The one file that exists: the shared tools folder ends in a backslash and the suffix adds one.
  const std::string msinfo32 = "C:\\MSInfo\\\\MSINFO32.EXE";
  struct Case {
    const char* msinfo_path;  // nullptr: the value is absent
    const char* shared_tools_folder;
    std::string path_variable;
    std::optional<std::string> program;
    std::vector<std::string> lookups;
  };
  const auto check = [&msinfo32](const Case& c) {
    FakeRegistry registry;
    if (c.msinfo_path) {
      registry.AddValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                        {RegSz, c.msinfo_path + "\0"s});
    }
    if (c.shared_tools_folder) {
      registry.AddValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                        {RegSz, c.shared_tools_folder + "\0"s});
    }
    std::vector<std::string> lookups;
    const auto normal_file_exists = [&](const std::string& file) {
      lookups.push_back(file);
      return file == msinfo32;
    };
    EXPECT_EQ(SysInfoProgram({registry, normal_file_exists, c.path_variable}), c.program)
        << c.path_variable;
    EXPECT_EQ(lookups, c.lookups);
  };
  check({"C:\\Info.exe", "C:\\MSInfo\\", path, "C:\\Info.exe", {}});
  check({nullptr, "C:\\MSInfo\\", path, msinfo32, {msinfo32}});
  check({nullptr, "C:\\X", "", std::nullopt, {"C:\\X\\MSINFO32.EXE"}});
  // The first folder's hardinfo2 is not executable.
  check({nullptr, nullptr, path, hardinfo2, {}});
  check({nullptr, nullptr, first.Path("none") + ":" + second.Path(), hardinfo2, {}});
  // An empty entry is not the working folder.
  const std::filesystem::path working_folder = std::filesystem::current_path();
  std::filesystem::current_path(second.Path());
  check({nullptr, nullptr, ":" + first.Path("none") + ":", std::nullopt, {}});
  std::filesystem::current_path(working_folder);
  std::filesystem::remove(hardinfo2);
  check({nullptr, nullptr, path, hardinfo, {}});
  check({nullptr, nullptr, second.Path() + ":" + first.Path(), later_hardinfo, {}});
  const auto& normal_file_exists = SystemSysInfoSources().normal_file_exists;
  EXPECT_TRUE(normal_file_exists(hardinfo));
  EXPECT_FALSE(normal_file_exists(first.Path()) || normal_file_exists(first.Path("none")));
}

}  // namespace
}  // namespace glyphgrid
