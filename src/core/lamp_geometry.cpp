#include "core/lamp_geometry.h"

#include <cmath>

namespace glyphgrid {

std::optional<LampIndex> LampAtPress(double x, double y) {
  // Tested on the doubles first: NaN and huge values fail here and never reach a conversion.
  if (!(x > ActiveLeft && x < ActiveRight && y > ActiveTop && y < ActiveBottom)) {
    return std::nullopt;
  }
  const double a = std::fabs(31 - std::floor(x / LampPitch - 4.5));
  const double b = std::fabs(31 - std::floor(y / LampPitch - 1.5));
  return static_cast<LampIndex>(b * 8 + a - 206);
}

}  // namespace glyphgrid
