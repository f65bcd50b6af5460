#include "about/key_value.h"

#include <gtest/gtest.h>

#include <optional>

#include "fake_registry.h"

namespace glyphgrid {
namespace {

using namespace std::string_literals;

constexpr const char* KeyName = "SOFTWARE\\Glyphgrid\\Test";
constexpr const char* ValueName = "Item";
constexpr RegistryValueType RegExpandSz = 2;
constexpr RegistryValueType RegBinary = 3;
constexpr RegistryValueType RegMultiSz = 7;

struct Case {
  const char* name;
  std::optional<FakeRegistry::Value> stored;  // nothing: the key holds no value of that name
  bool result;
  std::string key_val;  // on entry key_val holds "before"
};

TEST(GetKeyValueTest, ReadsTheValueAndClosesTheKey) {
  const Case cases[] = {
      {"text with terminating zero", FakeRegistry::Value{RegSz, "C:\\Tools\\info.exe\0"s}, true,
       "C:\\Tools\\info.exe"},
      {"text without terminating zero", FakeRegistry::Value{RegSz, "C:\\Tools\\info.exe"s}, true,
       "C:\\Tools\\info.exe"},
      {"only one terminating zero dropped", FakeRegistry::Value{RegSz, "ab\0\0"s}, true, "ab\0"s},
      {"empty text", FakeRegistry::Value{RegSz, "\0"s}, true, ""},
      {"bytes above 127 kept", FakeRegistry::Value{RegSz, "Caf\xE9\0"s}, true, "Caf\xE9"},
      {"text filling the buffer", FakeRegistry::Value{RegSz, std::string(1023, 'x') + '\0'}, true,
       std::string(1023, 'x')},
      {"1024 bytes without zero", FakeRegistry::Value{RegSz, std::string(1024, 'y')}, true,
       std::string(1024, 'y')},
      {"1025 bytes", FakeRegistry::Value{RegSz, std::string(1024, 'z') + '\0'}, false, ""},
      {"no data", FakeRegistry::Value{RegSz, ""}, false, ""},
      {"no data of another type", FakeRegistry::Value{RegBinary, ""}, false, ""},
      {"missing value", std::nullopt, false, ""},
      {"expandable text keeps key_val", FakeRegistry::Value{RegExpandSz, "C:\\x\0"s}, true,
       "before"},
      {"binary keeps key_val", FakeRegistry::Value{RegBinary, "\x01\x02"s}, true, "before"},
      {"multi text keeps key_val", FakeRegistry::Value{RegMultiSz, "a\0b\0\0"s}, true, "before"},
      {"dword", FakeRegistry::Value{RegDword, "\x01\x02\x03\x04"s}, true, "&h4030201"},
      {"dword zero", FakeRegistry::Value{RegDword, "\0\0\0\0"s}, true, "&h0"},
      {"dword 256", FakeRegistry::Value{RegDword, "\0\x01\0\0"s}, true, "&h100"},
      {"dword letters", FakeRegistry::Value{RegDword, "\x12\xEF\xCD\xAB"s}, true, "&hABCDEF12"},
      {"dword high bit", FakeRegistry::Value{RegDword, "\0\0\0\x80"s}, true, "&h80000000"},
  };
  for (const Case& c : cases) {
    FakeRegistry registry;
    registry.AddKey(HkeyLocalMachine, KeyName);
    if (c.stored) {
      registry.AddValue(HkeyLocalMachine, KeyName, ValueName, *c.stored);
    }
    std::string key_val = "before";
    EXPECT_EQ(GetKeyValue(registry, HkeyLocalMachine, KeyName, ValueName, key_val), c.result)
        << c.name;
    EXPECT_EQ(key_val, c.key_val) << c.name;
    EXPECT_EQ(registry.access_masks, std::vector<std::uint32_t>{0x2003F}) << c.name;
    EXPECT_EQ(registry.buffer_sizes, std::vector<std::size_t>{1024}) << c.name;
    ASSERT_EQ(registry.opened.size(), 1u) << c.name;
    EXPECT_EQ(registry.closed, registry.opened) << c.name;
  }
}

TEST(GetKeyValueTest, UnreadableKeyIsNeverClosed) {
  struct KeyCase {
    const char* name;
    RegistryKey root;
    const char* key_name;
  };
  const KeyCase cases[] = {
      {"missing key", HkeyLocalMachine, "SOFTWARE\\Elsewhere"},
      {"key under another root", 0x80000001u, KeyName},
  };
  for (const KeyCase& c : cases) {
    FakeRegistry registry;
    registry.AddValue(HkeyLocalMachine, KeyName, ValueName, {RegSz, "found\0"s});
    std::string key_val = "before";
    EXPECT_FALSE(GetKeyValue(registry, c.root, c.key_name, ValueName, key_val)) << c.name;
    EXPECT_EQ(key_val, "") << c.name;
    EXPECT_TRUE(registry.opened.empty()) << c.name;
    EXPECT_TRUE(registry.closed.empty()) << c.name;
    EXPECT_TRUE(registry.buffer_sizes.empty()) << c.name;
  }
}

}  // namespace
}  // namespace glyphgrid
