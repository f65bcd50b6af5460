#include "core/lamp_geometry.h"

#include <algorithm>
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

std::vector<LampIndex> LampsAlong(double x0, double y0, double x1, double y1) {
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) {
    return {};
  }
  // Every fraction of the way at which the pointer may cross from one cell to another, or into or
  // out of the active area; between two of them it stays over one lamp or none.
  std::vector<double> cuts = {0.0, 1.0};
  const auto add_cuts = [&cuts](double from, double to, double grid_start, double edge_start,
                                double edge_end) {
    if (from == to) {
      return;
    }
    const auto cut_at = [&](double line) {
      const double fraction = (line - from) / (to - from);
      if (fraction > 0 && fraction < 1) {
        cuts.push_back(fraction);
      }
    };
    for (int line = 0; line <= LampsPerRow; ++line) {
      cut_at(grid_start + LampPitch * line);
    }
    cut_at(edge_start);
    cut_at(edge_end);
  };
  add_cuts(x0, x1, LampColumn0Left - LampPitch * (LampsPerRow - 1), ActiveLeft, ActiveRight);
  add_cuts(y0, y1, LampRow0Top - LampPitch * (LampsPerRow - 1), ActiveTop, ActiveBottom);
  std::sort(cuts.begin(), cuts.end());

  std::vector<LampIndex> lamps;
  const auto visit = [&](double fraction) {
    const std::optional<LampIndex> lamp =
        LampAtPress(x0 + (x1 - x0) * fraction, y0 + (y1 - y0) * fraction);
    if (lamp && (lamps.empty() || lamps.back() != *lamp)) {
      lamps.push_back(*lamp);
    }
  };
  visit(0);
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    if (cuts[i] < cuts[i + 1]) {
      visit((cuts[i] + cuts[i + 1]) / 2);
    }
  }
  visit(1);
  return lamps;
}

}  // namespace glyphgrid
