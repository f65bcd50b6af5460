#include "about/key_value.h"

#include <gtest/gtest.h>

#include "fake_registry.h"

namespace glyphgrid {
namespace {

using namespace std::string_literals;

constexpr const char* KeyName = "SOFTWARE\\Glyphgrid";

TEST(GetKeyValueTest, ReadsTheValueAndClosesOnlyTheKeyItOpened) {
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

}  // namespace
}  // namespace glyphgrid
