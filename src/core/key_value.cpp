#include "core/key_value.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>

namespace glyphgrid {

namespace {

class OpenKeyCloser {
 public:
  OpenKeyCloser(Registry& registry, RegistryKey key) : registry_(registry), key_(key) {}
  OpenKeyCloser(const OpenKeyCloser&) = delete;
  OpenKeyCloser& operator=(const OpenKeyCloser&) = delete;
  ~OpenKeyCloser() { registry_.CloseKey(key_); }

 private:
  Registry& registry_;
  RegistryKey key_;
};

// The stored bytes are little-endian; a zero high byte may already have gone with the trailing
// zero, which leaves the number unchanged.
std::string DwordText(const std::string& bytes) {
  std::uint32_t number = 0;
  for (std::size_t i = 0; i < bytes.size() && i < 4; ++i) {
    number |= std::uint32_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
  }
  std::array<char, 8> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number, 16).ptr;
  std::string text = "&h" + std::string(digits.data(), end);
  std::transform(text.begin() + 2, text.end(), text.begin() + 2,
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

bool GetKeyValue(Registry& registry, RegistryKey key_root, const std::string& key_name,
                 const std::string& sub_key_ref, std::string& key_val) {
  const Registry::OpenedKey opened = registry.OpenKey(key_root, key_name, KeyOpenAccess);
  if (opened.status != RegistrySuccess) {
    key_val.clear();
    return false;
  }
  const OpenKeyCloser closer(registry, opened.key);

  std::array<char, KeyValueBufferSize> buffer{};
  const Registry::QueriedValue value = registry.QueryValue(opened.key, sub_key_ref, buffer);
  if (value.status != RegistrySuccess || value.size == 0 || value.size > buffer.size()) {
    key_val.clear();
    return false;
  }

  std::string text(buffer.data(), value.size);
  if (text.back() == '\0') {
    text.pop_back();
  }
  if (value.type == RegSz) {
    key_val = text;
  } else if (value.type == RegDword) {
    key_val = DwordText(text);
  }
  return true;
}

}  // namespace glyphgrid
