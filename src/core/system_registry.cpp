#include "core/registry.h"
#include "core/windows_api.h"

namespace glyphgrid {

namespace {

#ifdef _WIN32

class WindowsRegistry final : public Registry {
 public:
  OpenedKey OpenKey(RegistryKey root, const std::string& key_name, std::uint32_t access) override {
    HKEY key = nullptr;
    const LONG status =
        RegOpenKeyExA(reinterpret_cast<HKEY>(root), key_name.c_str(), 0, access, &key);
    return {static_cast<RegistryStatus>(status), reinterpret_cast<RegistryKey>(key)};
  }

  QueriedValue QueryValue(RegistryKey key, const std::string& value_name,
                          std::span<char> buffer) override {
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer.size());
    const LONG status = RegQueryValueExA(reinterpret_cast<HKEY>(key), value_name.c_str(), nullptr,
                                         &type, reinterpret_cast<LPBYTE>(buffer.data()), &size);
    return {static_cast<RegistryStatus>(status), type, size};
  }

  void CloseKey(RegistryKey key) override { RegCloseKey(reinterpret_cast<HKEY>(key)); }
};

using PlatformRegistry = WindowsRegistry;

#else

class AbsentRegistry final : public Registry {
 public:
  OpenedKey OpenKey(RegistryKey, const std::string&, std::uint32_t) override {
    return {RegistryFileNotFound, 0};
  }

  QueriedValue QueryValue(RegistryKey, const std::string&, std::span<char>) override {
    return {RegistryFileNotFound, 0, 0};
  }

  void CloseKey(RegistryKey) override {}
};

using PlatformRegistry = AbsentRegistry;

#endif

}  // namespace

Registry& SystemRegistry() {
  static PlatformRegistry registry;
  return registry;
}

}  // namespace glyphgrid
