#include "core/lamp_walk.h"

#include <algorithm>
#include <optional>

#include "core/lamp_geometry.h"

namespace glyphgrid {

namespace {

// Where along the segment (0 to 1) it crosses each of `lines`, a coordinate running from `from`
// to `to`.
void AddCrossings(double from, double to, const std::vector<double>& lines,
                  std::vector<double>& crossings) {
  if (from == to) {
    return;
  }
  for (const double line : lines) {
    const double t = (line - from) / (to - from);
    if (t > 0 && t < 1) {
      crossings.push_back(t);
    }
  }
}

// The cells' edges and the active area's, across one axis.
std::vector<double> Edges(int first_cell, double active_low, double active_high) {
  std::vector<double> edges = {active_low, active_high};
  for (int cell = 0; cell <= LampsPerRow; ++cell) {
    edges.push_back(first_cell - LampPitch * (cell - 1));
  }
  return edges;
}

}  // namespace

std::vector<LampIndex> LampsCrossed(double x0, double y0, double x1, double y1) {
  // Between two successive crossings the segment stays in one cell, and a crossing itself can be
  // a cell's only point (a corner passed exactly), so both are looked at.
  std::vector<double> crossings = {0, 1};
  AddCrossings(x0, x1, Edges(LampColumn0Left, ActiveLeft, ActiveRight), crossings);
  AddCrossings(y0, y1, Edges(LampRow0Top, ActiveTop, ActiveBottom), crossings);
  std::ranges::sort(crossings);
  std::vector<LampIndex> lamps;
  const auto visit = [&](double t) {
    const std::optional<LampIndex> lamp = LampAtPress(x0 + t * (x1 - x0), y0 + t * (y1 - y0));
    if (lamp && (lamps.empty() || lamps.back() != *lamp)) {
      lamps.push_back(*lamp);
    }
  };
  for (std::size_t i = 0; i < crossings.size(); ++i) {
    visit(crossings[i]);
    if (i + 1 < crossings.size()) {
      visit((crossings[i] + crossings[i + 1]) / 2);
    }
  }
  return lamps;
}

}  // namespace glyphgrid
