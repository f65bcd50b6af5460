#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "about/registry.h"

namespace glyphgrid {

// Keys and values held in memory, behaving as the Windows functions do (a value that does not
// fit is refused with RegistryMoreData and the size it needs). Records the keys handed out and
// closed.
class FakeRegistry final : public Registry {
 public:
  struct Value {
    RegistryValueType type;
    std::string data;  // the stored bytes, a terminating zero included where there is one
  };

  void AddValue(RegistryKey root, const std::string& key_name, const std::string& value_name,
                Value value) {
    keys_[{root, key_name}][value_name] = std::move(value);
  }
  void AddKey(RegistryKey root, const std::string& key_name) { keys_[{root, key_name}]; }

  OpenedKey OpenKey(RegistryKey root, const std::string& key_name, std::uint32_t access) override {
    access_masks.push_back(access);
    const auto key = keys_.find({root, key_name});
    if (key == keys_.end()) {
      return {RegistryFileNotFound, 0};
    }
    const RegistryKey handle = next_handle_++;
    open_keys_[handle] = &key->second;
    opened.push_back(handle);
    return {RegistrySuccess, handle};
  }

  QueriedValue QueryValue(RegistryKey key, const std::string& value_name,
                          std::span<char> buffer) override {
    buffer_sizes.push_back(buffer.size());
    const auto open_key = open_keys_.find(key);
    if (open_key == open_keys_.end()) {
      return {6, 0, 0};  // ERROR_INVALID_HANDLE
    }
    const auto value = open_key->second->find(value_name);
    if (value == open_key->second->end()) {
      return {RegistryFileNotFound, 0, 0};
    }
    const std::string& data = value->second.data;
    const auto size = static_cast<std::uint32_t>(data.size());
    if (data.size() > buffer.size()) {
      return {RegistryMoreData, value->second.type, size};
    }
    std::copy(data.begin(), data.end(), buffer.begin());
    return {RegistrySuccess, value->second.type, size};
  }

  void CloseKey(RegistryKey key) override {
    closed.push_back(key);
    open_keys_.erase(key);
  }

  std::vector<RegistryKey> opened;
  std::vector<RegistryKey> closed;
  std::vector<std::uint32_t> access_masks;
  std::vector<std::size_t> buffer_sizes;

 private:
  using Values = std::map<std::string, Value>;
  std::map<std::pair<RegistryKey, std::string>, Values> keys_;
  std::map<RegistryKey, Values*> open_keys_;
  RegistryKey next_handle_ = 100;
};

}  // namespace glyphgrid
