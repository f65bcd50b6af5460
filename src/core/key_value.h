#pragma once

#include <cstddef>
#include <string>

#include "core/registry.h"

namespace glyphgrid {

// Values longer than this are unreadable.
inline constexpr std::size_t KeyValueBufferSize = 1024;

// Reads the value sub_key_ref of the key key_name under key_root. True when the value was read:
// a REG_SZ value replaces key_val with its text, a REG_DWORD value with "&h" and its number in
// upper-case hexadecimal, and a value of any other type leaves key_val as it was. False when the
// key or the value is unreadable (missing, empty or longer than KeyValueBufferSize bytes), with
// key_val empty.
bool GetKeyValue(Registry& registry, RegistryKey key_root, const std::string& key_name,
                 const std::string& sub_key_ref, std::string& key_val);

}  // namespace glyphgrid
