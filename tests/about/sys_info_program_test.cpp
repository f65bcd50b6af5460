#include "about/sys_info_program.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

#include "fake_registry.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

using namespace std::string_literals;

constexpr const char* MsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* LocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr RegistryValueType RegExpandSz = 2;

struct StoredValue {
  const char* key_name;
  const char* value_name;
  FakeRegistry::Value value;
};

// The registry, the files that exist and the PATH of one case; records the file lookups.
struct Sources {
  FakeRegistry registry;
  std::set<std::string> files;
  std::vector<std::string> lookups;
  std::string path_variable;

  Sources(const std::vector<StoredValue>& values, std::set<std::string> existing_files,
          std::string path = "")
      : files(std::move(existing_files)), path_variable(std::move(path)) {
    for (const StoredValue& v : values) {
      registry.AddValue(HkeyLocalMachine, v.key_name, v.value_name, v.value);
    }
  }

  std::optional<std::string> Program() {
    const SysInfoSources sources{registry,
                                 [this](const std::string& path) {
                                   lookups.push_back(path);
                                   return files.contains(path);
                                 },
                                 path_variable};
    return SysInfoProgram(sources);
  }
};

TEST(SysInfoProgramTest, FindsTheToolThroughTheRegistry) {
  const std::string shared = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
  struct Case {
    const char* name;
    std::vector<StoredValue> values;
    std::set<std::string> files;
    std::optional<std::string> program;
    std::vector<std::string> lookups;
  };
  const Case cases[] = {
      {"first key names the tool",
       {{MsinfoKey, "PATH", {RegSz, shared + "\\msinfo32.exe\0"s}},
        {LocationKey, "MSINFO", {RegSz, shared + "\0"s}}},
       {shared + "\\MSINFO32.EXE"},
       shared + "\\msinfo32.exe",
       {}},
      {"first key's path taken as read",
       {{MsinfoKey, "PATH", {RegSz, "C:\\Missing\\msinfo32.exe"s}}},
       {},
       "C:\\Missing\\msinfo32.exe",
       {}},
      {"first key of another type gives an empty path",
       {{MsinfoKey, "PATH", {RegExpandSz, "%ProgramFiles%\\msinfo32.exe\0"s}},
        {LocationKey, "MSINFO", {RegSz, shared + "\0"s}}},
       {shared + "\\MSINFO32.EXE"},
       "",
       {}},
      {"second key's folder",
       {{LocationKey, "MSINFO", {RegSz, shared + "\0"s}}},
       {shared + "\\MSINFO32.EXE"},
       shared + "\\MSINFO32.EXE",
       {shared + "\\MSINFO32.EXE"}},
      {"trailing backslash doubled",
       {{LocationKey, "MSINFO", {RegSz, "C:\\MSInfo\\\0"s}}},
       {"C:\\MSInfo\\\\MSINFO32.EXE"},
       "C:\\MSInfo\\\\MSINFO32.EXE",
       {"C:\\MSInfo\\\\MSINFO32.EXE"}},
      {"first key without its value",
       {{MsinfoKey, "Other", {RegSz, "C:\\elsewhere.exe\0"s}},
        {LocationKey, "MSINFO", {RegSz, shared + "\0"s}}},
       {shared + "\\MSINFO32.EXE"},
       shared + "\\MSINFO32.EXE",
       {shared + "\\MSINFO32.EXE"}},
      {"second key's folder without the tool",
       {{LocationKey, "MSINFO", {RegSz, "C:\\MSInfo\0"s}}},
       {"C:\\MSInfo\\msinfo.exe"},
       std::nullopt,
       {"C:\\MSInfo\\MSINFO32.EXE"}},
      {"neither key", {}, {shared + "\\MSINFO32.EXE"}, std::nullopt, {}},
  };
  for (const Case& c : cases) {
    Sources sources(c.values, c.files);
    EXPECT_EQ(sources.Program(), c.program) << c.name;
    EXPECT_EQ(sources.lookups, c.lookups) << c.name;
    EXPECT_EQ(sources.registry.closed, sources.registry.opened) << c.name;
  }
}

TEST(SysInfoProgramTest, FallsBackToAToolOnThePath) {
  const TemporaryFolder a;
  const TemporaryFolder b;
  a.AddProgram("hardinfo");
  b.AddProgram("hardinfo2");

  const TemporaryFolder c;
  c.AddProgram("hardinfo2", false);
  c.AddFolder("hardinfo");
  c.AddProgram("kinfocenter");
  c.AddProgram("sysinfo");
  const TemporaryFolder d;
  d.AddProgram("kinfocenter");

  const TemporaryFolder empty;
  const std::vector<StoredValue> location = {{LocationKey, "MSINFO", {RegSz, "C:\\MSInfo\0"s}}};
  const std::vector<StoredValue> msinfo = {{MsinfoKey, "PATH", {RegSz, "C:\\msinfo32.exe\0"s}}};

  struct Case {
    const char* name;
    std::vector<StoredValue> values;
    std::string path_variable;
    std::optional<std::string> program;
  };
  const Case cases[] = {
      {"the only tool", {}, a.Path(), a.Path() + "/hardinfo"},
      {"names in order before folders", {}, a.Path() + ":" + b.Path(), b.Path() + "/hardinfo2"},
      {"first folder of one name", {}, c.Path() + ":" + d.Path(), c.Path() + "/kinfocenter"},
      {"first folder of one name, reversed",
       {},
       d.Path() + ":" + c.Path(),
       d.Path() + "/kinfocenter"},
      {"file not executable skipped", {}, c.Path() + ":" + b.Path(), b.Path() + "/hardinfo2"},
      {"folder of the name skipped", {}, c.Path() + ":" + a.Path(), a.Path() + "/hardinfo"},
      {"empty and missing entries skipped",
       {},
       ":/nonexistent/glyphgrid::" + a.Path() + ":",
       a.Path() + "/hardinfo"},
      {"no tool in the folders", {}, empty.Path(), std::nullopt},
      {"empty PATH", {}, "", std::nullopt},
      {"registry first", msinfo, a.Path(), "C:\\msinfo32.exe"},
      {"second key without the tool", location, a.Path(), a.Path() + "/hardinfo"},
  };
  for (const Case& k : cases) {
    Sources sources(k.values, {}, k.path_variable);
    EXPECT_EQ(sources.Program(), k.program) << k.name;
  }
}

#ifndef _WIN32
TEST(SysInfoProgramTest, SystemSourcesHaveNoRegistryAndReadThePath) {
  const TemporaryFolder folder;
  folder.AddProgram("kinfocenter");
  const char* saved = std::getenv("PATH");
  const std::string saved_path = saved ? saved : "";
  setenv("PATH", folder.Path().c_str(), 1);
  const SysInfoSources sources = SystemSysInfoSources();
  setenv("PATH", saved_path.c_str(), 1);

  EXPECT_EQ(SysInfoProgram(sources), folder.Path() + "/kinfocenter");
  const Registry::OpenedKey opened =
      sources.registry.OpenKey(HkeyLocalMachine, MsinfoKey, KeyOpenAccess);
  EXPECT_NE(opened.status, RegistrySuccess);
}
#endif

}  // namespace
}  // namespace glyphgrid
