#include "core/colour_cycles.h"

#include <span>

namespace glyphgrid {

namespace {

struct Recolour {
  LampColour before;
  LampColour after;
};

constexpr Recolour AllColoursCycle[] = {
    {LampGrey, LampRed}, {LampRed, LampGreen}, {LampGreen, LampOrange}, {LampOrange, LampGrey}};

constexpr Recolour LitColoursCycle[] = {
    {LampRed, LampGreen}, {LampGreen, LampOrange}, {LampOrange, LampRed}};

// The first matching row decides, so each lamp moves on by exactly one place per run.
void RecolourEachLamp(LampMatrix& lamps, std::span<const Recolour> cycle) {
  for (LampIndex i = 0; i < LampCount; ++i) {
    const LampColour colour = lamps.Colour(i);
    for (const Recolour& row : cycle) {
      if (colour == row.before) {
        lamps.SetColour(i, row.after);
        break;
      }
    }
  }
}

}  // namespace

void CycleAllColours(LampMatrix& lamps) {
  RecolourEachLamp(lamps, AllColoursCycle);
}

void CycleLitColours(LampMatrix& lamps) {
  RecolourEachLamp(lamps, LitColoursCycle);
}

}  // namespace glyphgrid
