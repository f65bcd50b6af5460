#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/registry.h"

namespace glyphgrid {

// Keys under HKEY_LOCAL_MACHINE held in memory, behaving as the Windows functions do (a value
// that does not fit is refused with RegistryMoreData). Records the keys handed out and closed.
class FakeRegistry final : public Registry {
 public:
  struct Value {
    RegistryValueType type;
    std::string data;  // the stored bytes, a terminating zero included where there is one
  };

  void AddValue(const std::string& key_name, const std::string& value_name, const Value& value) {
    keys_[key_name][value_name] = value;
  }

  OpenedKey OpenKey(RegistryKey root, const std::string& key_name, std::uint32_t) override {
    if (root != HkeyLocalMachine || !keys_.contains(key_name)) {
      return {RegistryFileNotFound, 0};
    }
    opened_names_.push_back(key_name);
    opened.push_back(opened_names_.size());
    return {RegistrySuccess, opened.back()};
  }

  QueriedValue QueryValue(RegistryKey key, const std::string& value_name,
                          std::span<char> buffer) override {
    // A value the test did not store, or a handle never handed out, throws and fails the test.
    const auto& [type, data] = keys_.at(opened_names_.at(key - 1)).at(value_name);
    const auto size = static_cast<std::uint32_t>(data.size());
    if (size > buffer.size()) {
      return {RegistryMoreData, type, size};
    }
    data.copy(buffer.data(), size);
    return {RegistrySuccess, type, size};
  }

  void CloseKey(RegistryKey key) override { closed.push_back(key); }

  std::vector<RegistryKey> opened;
  std::vector<RegistryKey> closed;

 private:
  using Values = std::map<std::string, Value>;
  std::map<std::string, Values> keys_;
  std::vector<std::string> opened_names_;
};

}  // namespace glyphgrid
