#pragma once

#include <QString>
#include <string_view>

namespace glyphgrid {

// The core's names and captions are UTF-8 views, not terminated strings.
inline QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace glyphgrid
