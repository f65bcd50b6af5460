#include "core/pattern_shifts.h"

#include <algorithm>
#include <optional>
#include <span>

namespace glyphgrid {

namespace {

constexpr LampColour EveryColour[] = {LampRed, LampGreen, LampGrey, LampOrange};
constexpr LampColour RedAndGrey[] = {LampRed, LampGrey};

struct Shift {
  LampIndex first;  // the steps run from first to last, both included
  LampIndex last;
  int offset;
  std::span<const LampColour> moving;  // a lamp of any other colour runs no step
  bool skips_row_ends;
  std::optional<int> cleared_row;
};

// The steps run against the direction of movement, so each one reads colours that no earlier step
// has written: a lamp written by both its own step and its neighbour's gets the same old colour
// from each.
void MoveStep(LampMatrix& lamps, LampIndex i, int offset, std::span<const LampColour> moving) {
  const LampColour colour = lamps.Colour(i);
  if (std::none_of(moving.begin(), moving.end(), [colour](LampColour c) { return c == colour; })) {
    return;
  }
  lamps.SetColour(i, lamps.Colour(i - offset));
  lamps.SetColour(i + offset, colour);
}

// Lamp 0 and lamp 63 have no neighbour on one side of the strip. The other leftmost lamps are
// skipped as well; while every lamp has a moving colour that loses nothing, since the neighbouring
// step writes them too.
bool IsSkipped(LampIndex i) {
  return i == 0 || LampColumn(i) == LampsPerRow - 1;
}

void ClearRow(LampMatrix& lamps, int row) {
  for (int column = 0; column < LampsPerRow; ++column) {
    const LampIndex i = LampIndexOf(row, column);
    if (IsLit(lamps.Colour(i))) {
      lamps.SetColour(i, LampGrey);
    }
  }
}

// Each shift is a constant, so each gets code of its own with the loop and the colour test
// unrolled: a shift runs on every key press of a scrolling animation.
template <const Shift& shift>
void Run(LampMatrix& lamps) {
  const int direction = shift.first <= shift.last ? 1 : -1;
  for (LampIndex i = shift.first; i != shift.last + direction; i += direction) {
    if (!(shift.skips_row_ends && IsSkipped(i))) {
      MoveStep(lamps, i, shift.offset, shift.moving);
    }
  }
  if (shift.cleared_row) {
    ClearRow(lamps, *shift.cleared_row);
  }
}

constexpr int TopRow = LampCount / LampsPerRow - 1;

constexpr Shift Up{.first = 55,
                   .last = 8,
                   .offset = LampsPerRow,
                   .moving = EveryColour,
                   .skips_row_ends = false,
                   .cleared_row = 0};
constexpr Shift Down{.first = 8,
                     .last = 55,
                     .offset = -LampsPerRow,
                     .moving = EveryColour,
                     .skips_row_ends = false,
                     .cleared_row = TopRow};
constexpr Shift Left{.first = 63,
                     .last = 0,
                     .offset = 1,
                     .moving = EveryColour,
                     .skips_row_ends = true,
                     .cleared_row = std::nullopt};
constexpr Shift Right{.first = 0,
                      .last = 63,
                      .offset = -1,
                      .moving = RedAndGrey,
                      .skips_row_ends = true,
                      .cleared_row = std::nullopt};

}  // namespace

void ShiftUp(LampMatrix& lamps) {
  Run<Up>(lamps);
}

void ShiftDown(LampMatrix& lamps) {
  Run<Down>(lamps);
}

void ShiftLeft(LampMatrix& lamps) {
  Run<Left>(lamps);
}

void ShiftRight(LampMatrix& lamps) {
  Run<Right>(lamps);
}

}  // namespace glyphgrid
