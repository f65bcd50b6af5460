#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace glyphgrid {

// A registry key handle or root key, wide enough for a Windows HKEY.
using RegistryKey = std::uintptr_t;
// The status the registry functions return; 0 is success, anything else failure.
using RegistryStatus = std::int32_t;
using RegistryValueType = std::uint32_t;

inline constexpr RegistryStatus RegistrySuccess = 0;
inline constexpr RegistryStatus RegistryFileNotFound = 2;
inline constexpr RegistryStatus RegistryMoreData = 234;

// Windows defines the predefined roots as 32-bit values sign-extended to the pointer width.
inline constexpr RegistryKey HkeyLocalMachine =
    static_cast<RegistryKey>(static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000002u)));

// Read-standard rights with query value, set value, create subkey, enumerate subkeys, notify and
// create link.
inline constexpr std::uint32_t KeyOpenAccess = 0x2003F;

inline constexpr RegistryValueType RegSz = 1;
inline constexpr RegistryValueType RegDword = 4;

// The three registry functions the About window reads its paths with.
class Registry {
 public:
  struct OpenedKey {
    RegistryStatus status;
    RegistryKey key;  // valid only when status is RegistrySuccess
  };
  struct QueriedValue {
    RegistryStatus status;
    RegistryValueType type;
    std::uint32_t size;  // bytes of data; on RegistryMoreData the size the data would need
  };

  virtual ~Registry() = default;

  virtual OpenedKey OpenKey(RegistryKey root, const std::string& key_name,
                            std::uint32_t access) = 0;
  // Offers the whole buffer for the value's data.
  virtual QueriedValue QueryValue(RegistryKey key, const std::string& value_name,
                                  std::span<char> buffer) = 0;
  virtual void CloseKey(RegistryKey key) = 0;
};

// The system's registry; on systems without one, a registry in which no key can be opened.
Registry& SystemRegistry();

}  // namespace glyphgrid
